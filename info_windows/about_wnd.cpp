#include "info_windows/about_wnd.h"

#include "calculator/control_wnd.h"
#include "framework/core/builtin_classes.h"
#include "info_windows/about_wnd_lists.h"
#include "info_windows/wrapper_timer1.h"
#include "shell/pictures.h"

namespace quorvan {

namespace {

constexpr std::string_view kClassName = "AboutWnd.AboutWnd";

// Member signatures: "%" result "%" parameters; b Boolean, s String, i8 Integer, o<C> object.
fw::ClassInfo MakeClass() {
  fw::ClassInfo cls;
  cls.name = std::string(kClassName);
  cls.base = &fw::Window::StaticClass();
  cls.members = {
      {"Layout", "%%", {}},
      {"CreateControls", "%%", {}},
      {"_CreateControls0", "%%", {{"Hidden", ""}}},
      {"StaticText2", "%o<Label>%", {}},
      {"Canvas1", "%o<Canvas>%", {}},
      {"Canvas2", "%o<Canvas>%", {}},
      {"StaticText21", "%o<Label>%", {}},
      {"Timer1", "%o<Timer>%", {}},
      {"Timer1_Action", "%%o<Timer>", {}},
      {"Event_MouseDown", "%b%i8i8", {}},
      {"Event_KeyDown", "%b%s", {}},
      {"IsEventImplemented", "%b%s", {}},
  };
  cls.windowEvents[static_cast<int>(fw::WindowEvent::CreateControls)] = "CreateControls";
  cls.windowEvents[static_cast<int>(fw::WindowEvent::KeyDown)] = "Event_KeyDown";
  cls.windowEvents[static_cast<int>(fw::WindowEvent::Layout)] = "Layout";
  cls.windowEvents[static_cast<int>(fw::WindowEvent::MouseDown)] = "Event_MouseDown";
  return cls;
}

// Hides the box, then shows the calculator window (created on its first use). A failed step
// ends the hand-over there.
void HandOver() {
  fw::Must(AboutWnd(), "AboutWnd").Hide();
  fw::Must(ControlWnd(), "ControlWnd").Show();
}

}  // namespace

const fw::ClassInfo& AboutWnd::StaticClass() {
  return RegisteredWindowClass<class AboutWnd>(MakeClass);
}

// The box has no menu bar of its own.
void AboutWnd::Layout() {
  fw::SetProperties(*this, about_wnd_lists::kAboutWnd);
}

void AboutWnd::CreateControls0() {
  fw::Ref<fw::Label> staticText2 = NewControl<fw::Label>(*this, "StaticText2");
  fw::SetProperties(fw::Must(staticText2, "StaticText2"), about_wnd_lists::kStaticText2);

  // A missing picture sets no backdrop: the canvas stays empty.
  fw::SetProperties(fw::Must(NewCanvas(*this, "Canvas1", KTR6()), "Canvas1"),
                    about_wnd_lists::kCanvas1);
  fw::SetProperties(fw::Must(NewCanvas(*this, "Canvas2", LinesSmall()), "Canvas2"),
                    about_wnd_lists::kCanvas2);

  fw::Ref<fw::Label> staticText21 = NewControl<fw::Label>(*this, "StaticText21");
  fw::SetProperties(fw::Must(staticText21, "StaticText21"), about_wnd_lists::kStaticText21);

  // The list starts the timer; nothing touches it afterwards, so it fires exactly once.
  fw::Ref<fw::Timer> timer1 = NewControl<_wrapper_Timer1>(*this, "Timer1");
  fw::SetProperties(fw::Must(timer1, "Timer1"), about_wnd_lists::kTimer1);
  BindControlEvent<fw::Timer>(*this, "Timer1", fw::kTimerActionEvent, &AboutWnd::Timer1_Action,
                              "( Timer )");
}

void AboutWnd::Timer1_Action(fw::Timer& timer) {
  (void)timer;
  HandOver();
}

bool AboutWnd::Event_MouseDown(std::int64_t x, std::int64_t y) {
  (void)x;
  (void)y;
  HandOver();
  return false;
}

bool AboutWnd::Event_KeyDown(std::string_view key) {
  (void)key;
  HandOver();
  return false;
}

fw::Ref<class AboutWnd> AboutWnd() {
  return ImplicitInstance<class AboutWnd>(kClassName);
}

}  // namespace quorvan
