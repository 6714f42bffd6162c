// The About box, also the start-up splash: a banner (KTR6), the rights notice, a second picture
// (LinesSmall) and the author's name, on a fixed-size box without title, buttons or menu bar.
// It hands over to the calculator window - hides itself, shows ControlWnd - when its one-shot
// timer fires 4000 ms after the box was built, on any mouse press in it, or on any key.
// The box is only ever hidden, never closed, and the timer is never re-armed: File > About
// shows the same box again, and a timer that has not fired yet still hides it when it does.
#pragma once

#include <cstdint>
#include <string_view>

#include "framework/controls.h"
#include "framework/timer.h"
#include "shell/window_mechanics.h"

namespace quorvan {

class AboutWnd : public ProgramWindow {
 public:
  static const fw::ClassInfo& StaticClass();
  const fw::ClassInfo& Class() const override { return StaticClass(); }

  void Layout() override;
  // CreateControls: the shared body of ProgramWindow.
  void CreateControls0() override;

  fw::Ref<fw::Label> StaticText2() const { return ControlAccessor<fw::Label>("StaticText2"); }
  fw::Ref<fw::Canvas> Canvas1() const { return ControlAccessor<fw::Canvas>("Canvas1"); }
  fw::Ref<fw::Canvas> Canvas2() const { return ControlAccessor<fw::Canvas>("Canvas2"); }
  fw::Ref<fw::Label> StaticText21() const { return ControlAccessor<fw::Label>("StaticText21"); }
  fw::Ref<fw::Timer> Timer1() const { return ControlAccessor<fw::Timer>("Timer1"); }

  // The three ways of handing over; none reads its arguments.
  void Timer1_Action(fw::Timer& timer);
  bool Event_MouseDown(std::int64_t x, std::int64_t y) override;
  bool Event_KeyDown(std::string_view key) override;

 private:
  friend const fw::ClassInfo& RegisteredWindowClass<AboutWnd>(fw::ClassInfo (*)());
  AboutWnd() = default;
};

// The About box: the open one (shown or hidden), or a new one (which shows itself). Never shows a
// found one.
fw::Ref<class AboutWnd> AboutWnd();

}  // namespace quorvan
