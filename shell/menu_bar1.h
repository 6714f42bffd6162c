// The one menu bar of the program: File, Edit and a third menu captioned "Window", fifteen items
// in all. The application, the calculator window and the help window all show this same object;
// windows reach its items by name only. MenuBarWindow is the base of the two windows that carry
// it: one accessor per item, and the layout step that sets the bar before the window's own list.
#pragma once

#include <string_view>
#include <vector>

#include "framework/core/menu_item.h"
#include "shell/window_mechanics.h"

namespace quorvan {

class MenuBar1 : public fw::MenuBar {
 public:
  static const fw::ClassInfo& StaticClass();
  const fw::ClassInfo& Class() const override { return StaticClass(); }

  // Builds the three menus in order; the inherited item constructor is not run, the new object
  // already is an empty bar.
  void Constructor() override;
  virtual void Untitled0();  // File: Exit, About Quorvan
  virtual void Untitled1();  // Edit: Undo, Cut, Copy, Paste, Delete, Select All
  virtual void Untitled2();  // Window: Control, Info

 private:
  MenuBar1() = default;
};

// The shared bar, built on the first call. A build that fails stores nothing and passes its
// exception on, so the next call builds afresh.
fw::Ref<class MenuBar1> MenuBar1();

// A program window that shows the shared bar. Each accessor looks its item up by name in the
// window's bar on every call.
class MenuBarWindow : public ProgramWindow {
 public:
  fw::Ref<fw::MenuItem> InfoMenu() const { return MenuItemAccessor<fw::MenuItem>("InfoMenu"); }
  fw::Ref<fw::MenuItem> InfoItem() const { return MenuItemAccessor<fw::MenuItem>("InfoItem"); }
  fw::Ref<fw::MenuItem> ControlItem() const {
    return MenuItemAccessor<fw::MenuItem>("ControlItem");
  }
  fw::Ref<fw::MenuItem> EditMenu() const { return MenuItemAccessor<fw::MenuItem>("EditMenu"); }
  fw::Ref<fw::MenuItem> EditSelectAll() const {
    return MenuItemAccessor<fw::MenuItem>("EditSelectAll");
  }
  fw::Ref<fw::MenuItem> UntitledMenu0() const {
    return MenuItemAccessor<fw::MenuItem>("UntitledMenu0");
  }
  fw::Ref<fw::MenuItem> EditClear() const { return MenuItemAccessor<fw::MenuItem>("EditClear"); }
  fw::Ref<fw::MenuItem> EditPaste() const { return MenuItemAccessor<fw::MenuItem>("EditPaste"); }
  fw::Ref<fw::MenuItem> EditCopy() const { return MenuItemAccessor<fw::MenuItem>("EditCopy"); }
  fw::Ref<fw::MenuItem> EditCut() const { return MenuItemAccessor<fw::MenuItem>("EditCut"); }
  fw::Ref<fw::MenuItem> UntitledMenu1() const {
    return MenuItemAccessor<fw::MenuItem>("UntitledMenu1");
  }
  fw::Ref<fw::MenuItem> EditUndo() const { return MenuItemAccessor<fw::MenuItem>("EditUndo"); }
  fw::Ref<fw::MenuItem> FileMenu() const { return MenuItemAccessor<fw::MenuItem>("FileMenu"); }
  fw::Ref<fw::PrefsMenuItem> AboutItem() const {
    return MenuItemAccessor<fw::PrefsMenuItem>("AboutItem");
  }
  fw::Ref<fw::QuitMenuItem> FileQuit() const {
    return MenuItemAccessor<fw::QuitMenuItem>("FileQuit");
  }

 protected:
  MenuBarWindow() = default;
  // The body of Layout: the shared bar first, then the window's stored property list.
  void SetMenuBarAndProperties(std::string_view list);
};

// The member rows of a MenuBarWindow class: `before`, the item accessors in the order above, then
// `after`.
std::vector<fw::MemberInfo> MenuBarWindowMembers(std::vector<fw::MemberInfo> before,
                                                 const std::vector<fw::MemberInfo>& after);

}  // namespace quorvan
