// Before InitPluginEntrypoints no BevelButton can be made; afterwards it can.
#include <gtest/gtest.h>

#include "framework/controls.h"
#include "framework/core/builtin_classes.h"
#include "framework/runtime.h"
#include "framework/testing.h"
#include "framework/window.h"

namespace {

class PlainWindow : public fw::Window {
 public:
  static const fw::ClassInfo& StaticClass() {
    static const fw::ClassInfo cls = [] {
      fw::ClassInfo c;
      c.name = "Plain.Plain";
      c.base = &fw::classes::Window();
      c.factory = [] { return std::make_shared<PlainWindow>(); };
      return c;
    }();
    return cls;
  }
  const fw::ClassInfo& Class() const override { return StaticClass(); }
};

TEST(PluginTest, BevelButtonsExistOnlyAfterThePlugInStart) {
  auto window = fw::RuntimeCheckCast<fw::Window>(fw::RuntimeNewObject(PlainWindow::StaticClass()));
  window->Constructor();
  EXPECT_THROW(window->New(fw::BevelButton::StaticClass()), fw::RuntimeException);
  EXPECT_NE(window->New(fw::TextField::StaticClass()), nullptr);
  fw::InitPluginEntrypoints();
  auto button = fw::RuntimeCheckCast<fw::BevelButton>(window->New(fw::BevelButton::StaticClass()));
  ASSERT_NE(button, nullptr);
  button->Constructor();
  EXPECT_NE(fw::testing::WidgetOf(*button), nullptr);
  fw::testing::CloseAllWindows();
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  fw::RuntimeInit(argc, argv);
  const int result = RUN_ALL_TESTS();
  fw::RuntimePerformFinalizers();
  return result;
}
