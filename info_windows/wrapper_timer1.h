// The About box's timer: a framework Timer that also belongs to a window as one of its members,
// through the PaneChild interface (the owner is held weakly, so the timer never keeps its box).
#pragma once

#include <cstdint>
#include <memory>

#include "framework/timer.h"
#include "framework/window.h"

namespace quorvan {

class _wrapper_Timer1 : public fw::Timer, public fw::PaneChild {
 public:
  static const fw::ClassInfo& StaticClass();
  const fw::ClassInfo& Class() const override { return StaticClass(); }

  void Constructor() override {}

  void SetWindow(const fw::Ref<fw::Window>& window) override { ownerWindow = window; }
  fw::Ref<fw::Window> Window() const override { return ownerWindow.lock(); }
  std::int64_t Index_() const override { return Index; }
  void SetIndex(std::int64_t index) override { Index = index; }

 private:
  std::int64_t Index = 0;
  std::weak_ptr<fw::Window> ownerWindow;
};

}  // namespace quorvan
