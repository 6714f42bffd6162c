// A whole run: start-up in order, the About box first, then quitting from the calculator window.
#include <gtest/gtest.h>

#include <QTimer>

#include <string>
#include <vector>

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
  fw::Ref<fw::Application> app;
  bool barIsTheApps = false;
  const int code = Run([&](std::string_view call) {
    if (call != "RuntimeRun") return;
    // Queued behind the late start-up step, which the loop runs first.
    QTimer::singleShot(0, [&] {
      QTimer::singleShot(0, [&] {
        for (const auto& window : fw::OpenWindows()) windowsAtStart.push_back(window->Class().name);
        app = fw::App();
        barIsTheApps = app && app->MenuBar() == MenuBar1();
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
  EXPECT_TRUE(quitHandled);
  EXPECT_EQ(code, 0);
  EXPECT_DOUBLE_EQ(fw::DeclaredFrameworkRelease(), 2019.031);
  EXPECT_TRUE(fw::Application::SupportsHiDPI());
  EXPECT_TRUE(messages.empty());
  ASSERT_TRUE(app);
  EXPECT_EQ(app->Class().name, "Quorvan");
  EXPECT_TRUE(barIsTheApps);
  const struct {
    const char* property;
    std::string value;
    std::string expected;
  } versionData[] = {
      {"MajorVersion", std::to_string(app->MajorVersion()), "2"},
      {"MinorVersion", std::to_string(app->MinorVersion()), "0"},
      {"BugVersion", std::to_string(app->BugVersion()), "0"},
      {"NonReleaseVersion", std::to_string(app->NonReleaseVersion()), "0"},
      {"StageCode", std::to_string(app->StageCode()), "3"},
      {"LongVersion", app->LongVersion(), "\u00A9 2019-2026 the Quorvan authors"},
      {"ShortVersion", app->ShortVersion(), "2.0"},
      {"PackageInfo", app->PackageInfo(), "Quorvan"},
  };
  for (const auto& v : versionData) EXPECT_EQ(v.value, v.expected) << v.property;
}

}  // namespace
}  // namespace quorvan
