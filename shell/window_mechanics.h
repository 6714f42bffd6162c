// The mechanics every window of the program shares: the one CreateControls body, the answer to
// IsEventImplemented, the class registration with its factory, the single-instance rule, and the
// fixed steps for making a control, binding a control event and registering a menu handler. Each
// helper does one step of a builder; the builders call them in their own visible order.
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "framework/controls.h"
#include "framework/core/class_info.h"
#include "framework/core/delegate.h"
#include "framework/picture.h"
#include "framework/window.h"

namespace quorvan {

// Base of the program's windows: the shared CreateControls body runs the class's own builder, and
// the window's own registered class says which window events it handles.
class ProgramWindow : public fw::Window {
 public:
  void CreateControls() override { CreateControls0(); }
  bool IsEventImplemented(std::string_view eventName) const override {
    return fw::RuntimeIsEventHandled(*this, Class().name, eventName, true);
  }

 protected:
  ProgramWindow() = default;
  virtual void CreateControls0() = 0;
};

// The body of a window class's StaticClass: the class `make` describes, registered on the first
// call, with a factory for new, unconstructed windows. The windows' constructors are private, so
// each window class befriends this.
template <class W>
const fw::ClassInfo& RegisteredWindowClass(fw::ClassInfo (*make)()) {
  return fw::RegisteredClass([make] {
    fw::ClassInfo made = make();
    made.factory = [] { return fw::Ref<fw::Object>(new W); };
    return made;
  });
}

// The open window of the class (shown or hidden), or a new one built now. Never shows it: a new
// window shows itself through its property list.
template <class W>
fw::Ref<W> ImplicitInstance(std::string_view className) {
  fw::Ref<fw::Object> window = fw::GetImplicitWindow(className);
  if (!window) {
    window = fw::RuntimeNewObject(W::StaticClass());
    fw::Must(fw::RuntimeCheckCast<fw::Window>(window)).Constructor();
  }
  return fw::RuntimeCheckCast<W>(window);
}

// Makes one control for the window: new, constructed, added under its name, found again by that
// name. The window owns it from then on; the caller keeps no reference past its builder step.
template <class C>
fw::Ref<C> NewControl(fw::Window& window, std::string_view name) {
  fw::Ref<fw::Object> control = window.New(C::StaticClass());
  fw::Must(fw::RuntimeCheckCast<C>(control)).Constructor();
  window.AddControl(name, std::move(control));
  return fw::RuntimeCheckCast<C>(window.ControlByName(name));
}

// Makes a canvas as NewControl does, gives it its backdrop (nil leaves it without a picture) and
// finds it again by its name, ready for its list.
inline fw::Ref<fw::Canvas> NewCanvas(fw::Window& window, std::string_view name,
                                     fw::Ref<fw::Picture> backdrop) {
  fw::Must(NewControl<fw::Canvas>(window, name), "canvas").Backdrop(std::move(backdrop));
  return fw::RuntimeCheckCast<fw::Canvas>(window.ControlByName(name));
}

// Binds the control's event `eventNumber` to the window's handler method, with the handler's
// signature text and flag 1.
template <class C, class W, class R, class... P>
void BindControlEvent(W& window, std::string_view controlName, int eventNumber,
                      R (W::*handler)(P...), std::string signature) {
  fw::Ref<C> control = fw::RuntimeCheckCast<C>(window.ControlByName(controlName));
  fw::Ref<W> target = std::static_pointer_cast<W>(window.shared_from_this());
  fw::Ref<fw::Delegate> delegate =
      fw::RuntimeCreateDelegate(handler, target, std::move(signature), 1);
  fw::RuntimeAddEventHandler(fw::Must(control, "control"), eventNumber,
                             fw::EventStubFor(eventNumber), std::move(delegate));
}

// Registers `handler` of `window` for the menu item `itemName` on `receiver` (the window that
// received AddMenuHandlers), with the menu-handler signature and flag 0.
template <class W>
void RegisterMenuHandler(fw::Window& receiver, W& window, std::string_view itemName,
                         bool (W::*handler)()) {
  fw::Ref<W> target = std::static_pointer_cast<W>(window.shared_from_this());
  receiver.AddMenuHandler(itemName,
                          fw::RuntimeCreateDelegate(handler, target, "(  ) as Boolean", 0));
}

}  // namespace quorvan
