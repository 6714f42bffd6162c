// Small test-only window classes and a fixture that makes every GUI test deterministic: message
// boxes and beeps are recorded, timers run on the virtual clock, and every window is gone after
// each test.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <chrono>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "framework/controls.h"
#include "framework/core/builtin_classes.h"
#include "framework/core/class_info.h"
#include "framework/core/delegate.h"
#include "framework/core/property_list.h"
#include "framework/dialogs.h"
#include "framework/seams.h"
#include "framework/testing.h"
#include "framework/timer.h"
#include "framework/window.h"

namespace gui_test {

// A window whose creation events, window events and control handlers log what reached them and
// run what the test gave them.
class TestWindow : public fw::Window {
 public:
  explicit TestWindow(const fw::ClassInfo& cls) : cls_(cls) {}
  static const fw::ClassInfo& StaticClass() {
    static const fw::ClassInfo cls = [] {
      fw::ClassInfo c;
      c.name = "TestWindow";
      c.base = &fw::classes::Window();
      return c;
    }();
    return cls;
  }
  const fw::ClassInfo& Class() const override { return cls_; }

  void Layout() override { Run("Layout", onLayout); }
  void CreateControls() override { Run("CreateControls", onCreateControls); }
  void AddMenuHandlers(fw::Window& window) override {
    log.push_back("AddMenuHandlers");
    if (onAddMenuHandlers) onAddMenuHandlers(window);
  }
  void Event_Open() override { Run("Open", onOpen); }
  void Event_Close() override { Run("Close", onClose); }
  bool Event_KeyDown(std::string_view key) override {
    log.push_back("KeyDown " + std::string(key));
    return windowKeyResult;
  }
  bool Event_MouseDown(std::int64_t x, std::int64_t y) override {
    log.push_back("MouseDown " + std::to_string(x) + "," + std::to_string(y));
    return false;
  }

  // Control handlers, bound by the tests.
  bool KeyDown(fw::TextField& field, std::string_view key) {
    log.push_back(field.Name() + " KeyDown " + std::string(key));
    return swallow && swallow(key);
  }
  bool AreaKeyDown(fw::TextArea& area, std::string_view key) {
    log.push_back(area.Name() + " KeyDown " + std::string(key));
    return swallow && swallow(key);
  }
  void TextChange(fw::TextField& field) { log.push_back(field.Name() + " TextChange"); }
  bool MouseDown(fw::BevelButton& button, std::int64_t x, std::int64_t y) {
    log.push_back(button.Name() + " MouseDown " + std::to_string(x) + "," + std::to_string(y));
    return false;
  }
  void Action(fw::BevelButton& button) { log.push_back(button.Name() + " Action"); }
  void Enter(fw::Canvas& canvas) { log.push_back(canvas.Name() + " MouseEnter"); }
  void Exit(fw::Canvas& canvas) { log.push_back(canvas.Name() + " MouseExit"); }
  void Tick(fw::Timer&) { log.push_back("Tick"); }
  void Throw(fw::BevelButton&) { throw fw::NilObjectException("No such control"); }
  bool MenuA() {
    log.push_back("MenuA");
    return menuResult;
  }
  bool MenuB() {
    log.push_back("MenuB");
    return menuResult;
  }

  std::vector<std::string> log;
  std::function<void(TestWindow&)> onLayout, onCreateControls, onOpen, onClose;
  std::function<void(fw::Window&)> onAddMenuHandlers;
  std::function<bool(std::string_view)> swallow;
  bool windowKeyResult = false;
  bool menuResult = true;

 private:
  void Run(const char* event, const std::function<void(TestWindow&)>& hook) {
    log.push_back(event);
    if (hook) hook(*this);
  }
  const fw::ClassInfo& cls_;
};

// A window class of that name whose event table names exactly `events`.
inline const fw::ClassInfo& WindowClass(const std::string& name,
                                        const std::vector<fw::WindowEvent>& events) {
  static std::deque<fw::ClassInfo> classes;
  for (const fw::ClassInfo& cls : classes) {
    if (cls.name == name) return cls;
  }
  fw::ClassInfo& cls = classes.emplace_back();
  cls.name = name;
  cls.base = &TestWindow::StaticClass();
  for (fw::WindowEvent event : events) {
    cls.windowEvents[static_cast<int>(event)] = std::string(fw::WindowEventName(event));
  }
  cls.factory = [&cls] { return std::make_shared<TestWindow>(cls); };
  return cls;
}

inline fw::Ref<TestWindow> NewWindow(const fw::ClassInfo& cls) {
  return fw::RuntimeCheckCast<TestWindow>(fw::RuntimeNewObject(cls));
}

// A shown window of its own class (CreateControls and `extra` in its table), built with `build`.
inline fw::Ref<TestWindow> OpenWindow(const std::string& name,
                                      std::function<void(TestWindow&)> build = {},
                                      std::vector<fw::WindowEvent> extra = {}) {
  extra.push_back(fw::WindowEvent::CreateControls);
  auto window = NewWindow(WindowClass(name, extra));
  window->onCreateControls = std::move(build);
  window->Constructor();
  window->Show();
  return window;
}

// Makes, constructs, registers and returns a control, as a program's builder does.
template <class C>
fw::Ref<C> AddControl(fw::Window& window, const std::string& name, int left, int top, int width,
                      int height) {
  auto control = fw::RuntimeCheckCast<C>(window.New(C::StaticClass()));
  control->Constructor();
  window.AddControl(name, control);
  control->SetProperty("Name", name);
  control->SetProperty("Left", std::int64_t{left});
  control->SetProperty("Top", std::int64_t{top});
  control->SetProperty("Width", std::int64_t{width});
  control->SetProperty("Height", std::int64_t{height});
  control->SetProperty("Visible", true);
  return control;
}

template <class C, class R, class... P>
void Bind(TestWindow& window, C& control, int event, R (TestWindow::*handler)(P...)) {
  auto self = std::static_pointer_cast<TestWindow>(window.shared_from_this());
  fw::RuntimeAddEventHandler(control, event, fw::EventStubFor(event),
                             fw::RuntimeCreateDelegate(handler, self, "( test )", 1));
}

class GuiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fw::seams::SetMessageBox([this](std::string_view text) { messages.emplace_back(text); });
    fw::seams::SetBeep([this] { ++beeps; });
    fw::seams::UseVirtualClock(true);
  }
  void TearDown() override {
    fw::testing::CloseAllWindows();
    fw::testing::ResetQuit();
    fw::seams::UseVirtualClock(false);
    fw::seams::SetBeep({});
    fw::seams::SetMessageBox({});
  }

  std::vector<std::string> messages;
  int beeps = 0;
};

}  // namespace gui_test
