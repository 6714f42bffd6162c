// The calculator window. The user types a pretest probability into PreFld and a likelihood ratio
// into LikeFld (both filtered key by key); Calculate checks them, computes the posttest
// probability (posttest.h) and shows it in PostFld under PostText; any edit of an input empties
// PostFld; Clear resets the form; "?" and the Window menu's Info show the help window; About
// shows the About box again; Exit and closing the window quit.
//
// The window keeps no control: every step of a handler finds its control afresh through the
// accessor of the control's name. Controls and their bindings are made by CreateControls0
// (control_wnd_controls.cpp), the field and button handlers live in control_wnd_handlers.cpp.
#pragma once

#include <cstdint>
#include <string_view>

#include "framework/controls.h"
#include "shell/menu_bar1.h"

namespace quorvan {

class ControlWnd : public MenuBarWindow {
 public:
  static const fw::ClassInfo& StaticClass();
  const fw::ClassInfo& Class() const override { return StaticClass(); }

  void Layout() override;
  // CreateControls: the shared body of ProgramWindow.
  void CreateControls0() override;

  fw::Ref<fw::RoundRectangle> RoundRectangle1() const {
    return ControlAccessor<fw::RoundRectangle>("RoundRectangle1");
  }
  fw::Ref<fw::TextField> PostFld() const { return ControlAccessor<fw::TextField>("PostFld"); }
  fw::Ref<fw::TextField> LikeFld() const { return ControlAccessor<fw::TextField>("LikeFld"); }
  fw::Ref<fw::TextField> PreFld() const { return ControlAccessor<fw::TextField>("PreFld"); }
  fw::Ref<fw::Label> PostText() const { return ControlAccessor<fw::Label>("PostText"); }
  fw::Ref<fw::Label> LikeText() const { return ControlAccessor<fw::Label>("LikeText"); }
  fw::Ref<fw::Label> PreText() const { return ControlAccessor<fw::Label>("PreText"); }
  fw::Ref<fw::BevelButton> ClearBtn() const { return ControlAccessor<fw::BevelButton>("ClearBtn"); }
  fw::Ref<fw::BevelButton> helpBtn() const { return ControlAccessor<fw::BevelButton>("helpBtn"); }
  fw::Ref<fw::BevelButton> computeBtn() const {
    return ControlAccessor<fw::BevelButton>("computeBtn");
  }
  fw::Ref<fw::Canvas> Canvas1() const { return ControlAccessor<fw::Canvas>("Canvas1"); }
  fw::Ref<fw::TextArea> Copyright() const { return ControlAccessor<fw::TextArea>("Copyright"); }

  bool PostFld_KeyDown(fw::TextField& field, std::string_view key);
  bool LikeFld_KeyDown(fw::TextField& field, std::string_view key);
  void LikeFld_TextChange(fw::TextField& field);
  bool PreFld_KeyDown(fw::TextField& field, std::string_view key);
  void PreFld_TextChange(fw::TextField& field);
  bool ClearBtn_MouseDown(fw::BevelButton& button, std::int64_t x, std::int64_t y);
  bool helpBtn_MouseDown(fw::BevelButton& button, std::int64_t x, std::int64_t y);
  void computeBtn_Action(fw::BevelButton& button);
  void Canvas1_MouseEnter(fw::Canvas& canvas);
  void Canvas1_MouseExit(fw::Canvas& canvas);

  void AddMenuHandlers(fw::Window& window) override;
  void Event_Close() override;
  void Event_Open() override;
  bool FileQuit_Action();
  bool InfoItem_Action();
  bool AboutItem_Action();

 private:
  friend const fw::ClassInfo& RegisteredWindowClass<ControlWnd>(fw::ClassInfo (*)());
  ControlWnd() = default;
};

// The calculator window: the open one, or a new one (which shows itself). Never shows a found one.
fw::Ref<class ControlWnd> ControlWnd();

}  // namespace quorvan
