#include "info_windows/help_wnd.h"

#include "calculator/control_wnd.h"
#include "info_windows/help_wnd_lists.h"
#include "shell/menu_bar1.h"

namespace quorvan {

namespace {

constexpr std::string_view kClassName = "helpWnd.helpWnd";

// Member signatures: "%" result "%" parameters; b Boolean, s String, o<C> object.
fw::ClassInfo MakeClass() {
  fw::ClassInfo cls;
  cls.name = std::string(kClassName);
  cls.base = &fw::Window::StaticClass();
  cls.members = {
      {"Layout", "%%", {}},
      {"CreateControls", "%%", {}},
      {"_CreateControls0", "%%", {{"Hidden", ""}}},
      {"EditField1", "%o<TextArea>%", {}},
      {"InfoMenu", "%o<MenuItem>%", {}},
      {"InfoItem", "%o<MenuItem>%", {}},
      {"ControlItem", "%o<MenuItem>%", {}},
      {"EditMenu", "%o<MenuItem>%", {}},
      {"EditSelectAll", "%o<MenuItem>%", {}},
      {"UntitledMenu0", "%o<MenuItem>%", {}},
      {"EditClear", "%o<MenuItem>%", {}},
      {"EditPaste", "%o<MenuItem>%", {}},
      {"EditCopy", "%o<MenuItem>%", {}},
      {"EditCut", "%o<MenuItem>%", {}},
      {"UntitledMenu1", "%o<MenuItem>%", {}},
      {"EditUndo", "%o<MenuItem>%", {}},
      {"FileMenu", "%o<MenuItem>%", {}},
      {"AboutItem", "%o<PrefsMenuItem>%", {}},
      {"FileQuit", "%o<QuitMenuItem>%", {}},
      {"AddMenuHandlers", "%%o<Window>", {}},
      {"_ControlItem_Action", "%b%", {}},
      {"IsEventImplemented", "%b%s", {}},
  };
  cls.windowEvents[static_cast<int>(fw::WindowEvent::AddMenuHandlers)] = "AddMenuHandlers";
  cls.windowEvents[static_cast<int>(fw::WindowEvent::CreateControls)] = "CreateControls";
  cls.windowEvents[static_cast<int>(fw::WindowEvent::Layout)] = "Layout";
  return cls;
}

}  // namespace

const fw::ClassInfo& helpWnd::StaticClass() {
  return fw::RegisteredClass([] {
    fw::ClassInfo made = MakeClass();
    made.factory = [] { return fw::Ref<fw::Object>(new class helpWnd); };
    return made;
  });
}

bool helpWnd::IsEventImplemented(std::string_view eventName) const {
  return fw::RuntimeIsEventHandled(*this, kClassName, eventName, true);
}

void helpWnd::Layout() {
  fw::Ref<fw::MenuItem> bar = MenuBar1();
  MenuBar(bar);
  fw::SetProperties(*this, help_wnd_lists::kHelpWnd);
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
