// A framework object of any class, that remembers every property change it is told about.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "framework/core/class_info.h"
#include "framework/core/object.h"

namespace fw::testing_core {

class Probe : public Object {
 public:
  explicit Probe(const ClassInfo& cls) : class_(cls) {}
  const ClassInfo& Class() const override { return class_; }

  std::vector<std::pair<std::string, PropertyValue>> changes;

 protected:
  void PropertyChanged(std::string_view name, const PropertyValue& value) override {
    changes.emplace_back(std::string(name), value);
  }

 private:
  const ClassInfo& class_;
};

}  // namespace fw::testing_core
