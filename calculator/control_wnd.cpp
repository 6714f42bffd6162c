#include "calculator/control_wnd.h"

#include "calculator/control_wnd_lists.h"
#include "framework/runtime.h"
#include "info_windows/about_wnd.h"
#include "info_windows/help_wnd.h"

namespace quorvan {

namespace {

constexpr std::string_view kClassName = "ControlWnd.ControlWnd";

// Member signatures: "%" result "%" parameters; b Boolean, s String, i8 Integer, o<C> object.
fw::ClassInfo MakeClass() {
  fw::ClassInfo cls;
  cls.name = std::string(kClassName);
  cls.base = &fw::Window::StaticClass();
  cls.members = MenuBarWindowMembers(
      {
          {"Layout", "%%", {}},
          {"CreateControls", "%%", {}},
          {"_CreateControls0", "%%", {{"Hidden", ""}}},
          {"RoundRectangle1", "%o<RoundRectangle>%", {}},
          {"PostFld", "%o<TextField>%", {}},
          {"LikeFld", "%o<TextField>%", {}},
          {"PreFld", "%o<TextField>%", {}},
          {"PostText", "%o<Label>%", {}},
          {"LikeText", "%o<Label>%", {}},
          {"PreText", "%o<Label>%", {}},
          {"ClearBtn", "%o<BevelButton>%", {}},
          {"helpBtn", "%o<BevelButton>%", {}},
          {"computeBtn", "%o<BevelButton>%", {}},
          {"Canvas1", "%o<Canvas>%", {}},
          {"Copyright", "%o<TextArea>%", {}},
          {"PostFld_KeyDown", "%b%o<TextField>s", {}},
          {"LikeFld_KeyDown", "%b%o<TextField>s", {}},
          {"LikeFld_TextChange", "%%o<TextField>", {}},
          {"PreFld_KeyDown", "%b%o<TextField>s", {}},
          {"PreFld_TextChange", "%%o<TextField>", {}},
          {"ClearBtn_MouseDown", "%b%o<BevelButton>i8i8", {}},
          {"helpBtn_MouseDown", "%b%o<BevelButton>i8i8", {}},
          {"computeBtn_Action", "%%o<BevelButton>", {}},
          {"Canvas1_MouseEnter", "%%o<Canvas>", {}},
          {"Canvas1_MouseExit", "%%o<Canvas>", {}},
      },
      {
          {"AddMenuHandlers", "%%o<Window>", {}},
          {"Event_Close", "%%", {}},
          {"Event_Open", "%%", {}},
          {"_FileQuit_Action", "%b%", {}},
          {"_InfoItem_Action", "%b%", {}},
          {"_AboutItem_Action", "%b%", {}},
          {"IsEventImplemented", "%b%s", {}},
      });
  auto handles = [&cls](fw::WindowEvent event, std::string handler) {
    cls.windowEvents[static_cast<int>(event)] = std::move(handler);
  };
  handles(fw::WindowEvent::AddMenuHandlers, "AddMenuHandlers");
  handles(fw::WindowEvent::Close, "Event_Close");
  handles(fw::WindowEvent::CreateControls, "CreateControls");
  handles(fw::WindowEvent::Layout, "Layout");
  handles(fw::WindowEvent::Open, "Event_Open");
  return cls;
}

}  // namespace

const fw::ClassInfo& ControlWnd::StaticClass() {
  return RegisteredWindowClass<class ControlWnd>(MakeClass);
}

void ControlWnd::Layout() {
  SetMenuBarAndProperties(control_wnd_lists::kControlWnd);
}

void ControlWnd::AddMenuHandlers(fw::Window& window) {
  fw::Ref<class ControlWnd> self =
      fw::RuntimeCheckCast<class ControlWnd>(window.shared_from_this());
  RegisterMenuHandler(window, fw::Must(self), "FileQuit", &ControlWnd::FileQuit_Action);
  RegisterMenuHandler(window, fw::Must(self), "InfoItem", &ControlWnd::InfoItem_Action);
  RegisterMenuHandler(window, fw::Must(self), "AboutItem", &ControlWnd::AboutItem_Action);
}

void ControlWnd::Event_Close() {
  fw::Quit(0);
}

void ControlWnd::Event_Open() {
  fw::Must(PreFld(), "PreFld").SetFocus();
}

bool ControlWnd::FileQuit_Action() {
  fw::Quit(0);
  return true;
}

bool ControlWnd::InfoItem_Action() {
  fw::Must(helpWnd(), "helpWnd").Show();
  return true;
}

bool ControlWnd::AboutItem_Action() {
  fw::Must(AboutWnd(), "AboutWnd").Show();
  return true;
}

fw::Ref<class ControlWnd> ControlWnd() {
  return ImplicitInstance<class ControlWnd>(kClassName);
}

}  // namespace quorvan
