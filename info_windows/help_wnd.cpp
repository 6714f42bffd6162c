#include "info_windows/help_wnd.h"

#include "calculator/control_wnd.h"
#include "info_windows/help_wnd_lists.h"

namespace quorvan {

namespace {

constexpr std::string_view kClassName = "helpWnd.helpWnd";

// Member signatures: "%" result "%" parameters; b Boolean, s String, o<C> object.
fw::ClassInfo MakeClass() {
  fw::ClassInfo cls;
  cls.name = std::string(kClassName);
  cls.base = &fw::Window::StaticClass();
  cls.members = MenuBarWindowMembers(
      {
          {"Layout", "%%", {}},
          {"CreateControls", "%%", {}},
          {"_CreateControls0", "%%", {{"Hidden", ""}}},
          {"EditField1", "%o<TextArea>%", {}},
      },
      {
          {"AddMenuHandlers", "%%o<Window>", {}},
          {"_ControlItem_Action", "%b%", {}},
          {"IsEventImplemented", "%b%s", {}},
      });
  cls.windowEvents[static_cast<int>(fw::WindowEvent::AddMenuHandlers)] = "AddMenuHandlers";
  cls.windowEvents[static_cast<int>(fw::WindowEvent::CreateControls)] = "CreateControls";
  cls.windowEvents[static_cast<int>(fw::WindowEvent::Layout)] = "Layout";
  return cls;
}

}  // namespace

const fw::ClassInfo& helpWnd::StaticClass() {
  return RegisteredWindowClass<class helpWnd>(MakeClass);
}

void helpWnd::Layout() {
  SetMenuBarAndProperties(help_wnd_lists::kHelpWnd);
}

void helpWnd::CreateControls0() {
  fw::Ref<fw::TextArea> editField1 = NewControl<fw::TextArea>(*this, "EditField1");
  fw::SetProperties(fw::Must(editField1, "EditField1"), help_wnd_lists::kEditField1);
}

void helpWnd::AddMenuHandlers(fw::Window& window) {
  fw::Ref<class helpWnd> self = fw::RuntimeCheckCast<class helpWnd>(window.shared_from_this());
  RegisterMenuHandler(window, fw::Must(self), "ControlItem", &helpWnd::ControlItem_Action);
}

// Shows the calculator window; this window stays open behind it.
bool helpWnd::ControlItem_Action() {
  fw::Must(ControlWnd(), "ControlWnd").Show();
  return true;
}

fw::Ref<class helpWnd> helpWnd() {
  return ImplicitInstance<class helpWnd>(kClassName);
}

}  // namespace quorvan
