// The application class: a plain Application that adds nothing and handles no application event.
#pragma once

#include <string_view>

#include "framework/core/application.h"

namespace quorvan {

class Quorvan : public fw::Application {
 public:
  static const fw::ClassInfo& StaticClass();
  const fw::ClassInfo& Class() const override { return StaticClass(); }
  bool IsEventImplemented(std::string_view eventName) const override;

  virtual void Constructor();

 private:
  Quorvan() = default;
};

}  // namespace quorvan
