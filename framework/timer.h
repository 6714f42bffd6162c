// The timer: not a visible control. RunMode 0 is off, 1 fires once, 2 repeats, every Period ms.
// A timer with a non-zero RunMode starts by itself when its RunMode or Period is set (no Enabled
// needed; a list without Period gives 1000 ms); it fires on the GUI thread, raising its Action
// event (number 0). Time comes from the clock seam (seams.h), so tests advance it virtually.
#pragma once

#include <cstdint>
#include <memory>

#include "framework/core/class_info.h"
#include "framework/core/object.h"

namespace fw {

class Window;

// What a member needs so that it can belong to a window without being a control.
class PaneChild {
 public:
  virtual ~PaneChild() = default;
  virtual void SetWindow(const Ref<fw::Window>& window) = 0;
  virtual Ref<fw::Window> Window() const = 0;  // nil once the owner is gone
  virtual std::int64_t Index_() const = 0;
  virtual void SetIndex(std::int64_t index) = 0;
};

class Timer : public Object {
 public:
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }
  Timer();
  ~Timer() override;

  virtual void Constructor() {}
  std::int64_t RunMode() const { return IntProperty("RunMode"); }
  std::int64_t Period() const { return IntProperty("Period"); }
  bool IsRunning() const;

  struct Impl;

 protected:
  void PropertyChanged(std::string_view name, const PropertyValue& value) override;

 private:
  void Restart();
  std::unique_ptr<Impl> impl_;
};

}  // namespace fw
