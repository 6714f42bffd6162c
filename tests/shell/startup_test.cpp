// A whole run: start-up in order, the About box first, then quitting from the calculator window.
#include <gtest/gtest.h>

#include <QTimer>

#include "calculator/control_wnd.h"
#include "framework/core/application.h"
#include "framework/runtime.h"
#include "framework/window.h"
#include "info_windows/about_wnd.h"
#include "shell/menu_bar1.h"
#include "tests/shell/startup_fixture.h"

namespace quorvan {
namespace {

using StartupTest = StartupFixture;

TEST_F(StartupTest, StartsInOrderOpensTheAboutBoxAndEndsWithTheCodeOfQuit) {
  std::vector<std::string> windowsAtStart;
  bool quitHandled = false;
  bool appReady = false;
  const int code = Run([&](std::string_view call) {
    if (call != "RuntimeRun") return;
    // Queued behind the late start-up step, which the loop runs first.
    QTimer::singleShot(0, [&] {
      QTimer::singleShot(0, [&] {
        for (const auto& window : fw::OpenWindows()) windowsAtStart.push_back(window->Class().name);
        const fw::Ref<fw::Application> app = fw::App();
        appReady = app && app->Class().name == "Quorvan" && app->MenuBar() == MenuBar1() &&
                   app->MajorVersion() == 2 && app->StageCode() == 3 &&
                   app->ShortVersion() == "2.0" && app->PackageInfo() == "Quorvan" &&
                   app->LongVersion() == "\u00A9 2019-2026 the Quorvan authors";
        quitHandled = fw::Must(ControlWnd()).ChooseMenuItem("FileQuit");
      });
    });
  });

  EXPECT_EQ(calls, (std::vector<std::string>{
                       "RuntimeInit", "RuntimePerformInitializers", "RuntimeSetExceptionHelper",
                       "DeclareFrameworkRelease", "Application.SetSupportsHiDPI",
                       "RuntimeInitExternalClasses", "InitPluginEntrypoints",
                       "Application.x_SetVersionData", "MenuBar1", "Application.MenuBar",
                       "RuntimeRegisterAppObject", "RunFrameworkInitialization", "RuntimeRun",
                       "RuntimePerformFinalizers", "RuntimeExit"}));
  EXPECT_EQ(windowsAtStart, std::vector<std::string>{"AboutWnd.AboutWnd"});
  EXPECT_TRUE(appReady);
  EXPECT_TRUE(quitHandled);
  EXPECT_EQ(code, 0);
  EXPECT_DOUBLE_EQ(fw::DeclaredFrameworkRelease(), 2019.031);
  EXPECT_TRUE(fw::Application::SupportsHiDPI());
  EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace quorvan
