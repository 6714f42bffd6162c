// The help window: a fixed-size window titled "Info" whose one control, the text area EditField1,
// fills it and holds the help text (help_text.h). It carries the shared menu bar and handles one
// item of it, the Window menu's Control, which shows the calculator window and leaves this window
// open. Nothing reads, refills or resets the text once the window is built; a window the user
// closed is replaced by a new one that starts from the stored text.
#pragma once

#include <string_view>

#include "framework/controls.h"
#include "framework/core/menu_item.h"
#include "shell/window_mechanics.h"

namespace quorvan {

class helpWnd : public ProgramWindow {
 public:
  static const fw::ClassInfo& StaticClass();
  const fw::ClassInfo& Class() const override { return StaticClass(); }
  bool IsEventImplemented(std::string_view eventName) const override;

  void Layout() override;
  // CreateControls: the shared body of ProgramWindow.
  void CreateControls0() override;

  fw::Ref<fw::TextArea> EditField1() const { return ControlAccessor<fw::TextArea>("EditField1"); }

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

  void AddMenuHandlers(fw::Window& window) override;
  bool ControlItem_Action();

 private:
  helpWnd() = default;
};

// The help window: the open one, or a new one (which shows itself). Never shows a found one.
fw::Ref<class helpWnd> helpWnd();

}  // namespace quorvan
