// The help window: a fixed-size window titled "Info" whose one control, the text area EditField1,
// fills it and holds the help text (help_text.h). It carries the shared menu bar and handles one
// item of it, the Window menu's Control, which shows the calculator window and leaves this window
// open. Nothing reads, refills or resets the text once the window is built; a window the user
// closed is replaced by a new one that starts from the stored text.
#pragma once

#include "framework/controls.h"
#include "shell/menu_bar1.h"

namespace quorvan {

class helpWnd : public MenuBarWindow {
 public:
  static const fw::ClassInfo& StaticClass();
  const fw::ClassInfo& Class() const override { return StaticClass(); }

  void Layout() override;
  // CreateControls: the shared body of ProgramWindow.
  void CreateControls0() override;

  fw::Ref<fw::TextArea> EditField1() const { return ControlAccessor<fw::TextArea>("EditField1"); }

  void AddMenuHandlers(fw::Window& window) override;
  bool ControlItem_Action();

 private:
  friend const fw::ClassInfo& RegisteredWindowClass<helpWnd>(fw::ClassInfo (*)());
  helpWnd() = default;
};

// The help window: the open one, or a new one (which shows itself). Never shows a found one.
fw::Ref<class helpWnd> helpWnd();

}  // namespace quorvan
