// Windows. A window class of the program derives from Window, is registered with a ClassInfo whose
// window-event table names the events it handles, and is created in two steps: RuntimeNewObject,
// then Window::Constructor, which raises Layout, CreateControls, AddMenuHandlers and Open, in that
// order and each only where the class's table names it. So controls exist before Open and menu
// registrations are in place before the user can choose an item.
//
// A window owns its controls (registered by name) and shows its menu bar (shared MenuItem tree)
// as its own Qt menu bar. Choosing an item calls the handler this window registered for the
// item's name; where there is none, a QuitMenuItem quits, the standard Edit items act on the
// focused text control, and anything else does nothing. An AutoEnable item shows enabled, and its
// shortcut works, only where choosing it in that window would act.
//
// The window list's properties:
//   [X] Width, Height within MinimumWidth/Height and MaximumWidth/Height, as the client area's
//       size (the menu bar comes on top); Resizeable false fixes the size.
//   [X] Title; HasCloseButton, HasMinimizeButton, HasMaximizeButton; FullScreen.
//   [X] Type: 2 is a box without title bar, centred on the screen; the others a framed window.
//   [X] DefaultLocation: 0 the platform's placement, 1 centred over the front window, 2 centred
//       on the main screen, 3 centred on the front window's screen.
//   [X] Visible (shows the window once it is built), HasBackgroundColor with BackgroundColor,
//       MenuBarVisible.
//   [ ] HasFullScreenButton, Composite, MacProcId, LiveResize: stored only.
// Controls take client-area coordinates; their locks move or stretch them as the window resizes.
// A window whose class handles KeyDown or MouseDown gets every key and every press inside it,
// over its controls too, before they do; true swallows it.
//
// No Qt type appears here: program code that includes this header does not see QtWidgets.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/class_info.h"
#include "framework/core/delegate.h"
#include "framework/core/menu_item.h"
#include "framework/core/object.h"

namespace fw {

class Window : public Object {
 public:
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }
  ~Window() override;

  // Builds the window and raises its creation events (see above). What a creation event throws
  // passes to the caller, and the half-built window is not kept.
  void Constructor();
  // Shows the window and brings it to the front.
  void Show();
  // Hides the window; it is kept and found again by GetImplicitWindow.
  void Hide();
  // Closes the window as the user's close would: raises Close (where handled), then the window is
  // gone: GetImplicitWindow no longer finds it.
  void Close();
  bool Visible() const;
  bool IsOpen() const;

  void MenuBar(Ref<MenuItem> bar);
  Ref<MenuItem> MenuBar() const;  // records "MenuBar" through RecordCall

  // Window.__New: a new, unconstructed control of the class for this window.
  Ref<Object> New(const ClassInfo& controlClass);
  // Registers the control under `name`; it lies above every control registered before it. A name
  // taken already, or a control of another window, raises InvalidArgumentException.
  void AddControl(std::string_view name, Ref<Object> control);
  // The control registered under exactly that name, or nil; records "ControlByName".
  Ref<Object> ControlByName(std::string_view name) const;
  std::vector<std::string> ControlNames() const;

  // From now on `handler` serves the menu item of that name in this window.
  void AddMenuHandler(std::string_view itemName, Ref<Delegate> handler);
  // Chooses the item as the user would in this window; true when a handler (or the built-in
  // action) handled it.
  bool ChooseMenuItem(std::string_view itemName);

  // Accessor helpers: each call makes exactly one lookup.
  template <class T>
  Ref<T> ControlAccessor(std::string_view name) const {
    return RuntimeCheckCast<T>(ControlByName(name));
  }
  template <class T>
  Ref<T> MenuItemAccessor(std::string_view name) const {
    auto bar = MenuBar();
    if (!bar) throw NilObjectException("Window has no menu bar");
    return RuntimeCheckCast<T>(bar->Lookup(name));
  }

  // Whether this window's class handles the event; the framework asks before raising one.
  virtual bool IsEventImplemented(std::string_view eventName) const;

  // Window events, raised by the framework only where IsEventImplemented says so.
  virtual void Layout() {}
  virtual void CreateControls() {}
  virtual void AddMenuHandlers(Window& window) { (void)window; }
  virtual void Event_Open() {}
  virtual void Event_Close() {}
  virtual bool Event_KeyDown(std::string_view key) {
    (void)key;
    return false;
  }
  virtual bool Event_MouseDown(std::int64_t x, std::int64_t y) {
    (void)x;
    (void)y;
    return false;
  }

  struct Impl;
  Impl& impl() const { return *impl_; }

 protected:
  Window();
  void PropertyChanged(std::string_view name, const PropertyValue& value) override;

 private:
  std::unique_ptr<Impl> impl_;
};

// The open window of that class (shown or hidden), or nil; a window the user closed is not found.
Ref<Window> GetImplicitWindow(std::string_view className);
// Every open window, in creation order.
std::vector<Ref<Window>> OpenWindows();

}  // namespace fw
