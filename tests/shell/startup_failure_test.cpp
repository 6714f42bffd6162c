// A start-up step that fails: reported once as unhandled, every later step skipped, the event
// loop never entered, and still finalisers and the exit code. Its own program, since a run that
// saw an unhandled exception ends with 1 from then on.
#include <gtest/gtest.h>

#include "framework/core/application.h"
#include "framework/core/exceptions.h"
#include "framework/window.h"
#include "tests/shell/startup_fixture.h"

namespace quorvan {
namespace {

using StartupFailureTest = StartupFixture;

TEST_F(StartupFailureTest, AFailedEarlyStepSkipsTheRestButStillEndsThroughRuntimeExit) {
  const int code = Run([](std::string_view call) {
    if (call == "RuntimeInitExternalClasses") throw fw::RuntimeException("injected");
  });
  EXPECT_EQ(calls, (std::vector<std::string>{"RuntimeInit", "RuntimePerformInitializers",
                                             "RuntimeSetExceptionHelper", "DeclareFrameworkRelease",
                                             "Application.SetSupportsHiDPI",
                                             "RuntimeInitExternalClasses", "UnhandledException",
                                             "RuntimePerformFinalizers", "RuntimeExit"}));
  EXPECT_EQ(messages, std::vector<std::string>{"RuntimeException: injected"});
  EXPECT_EQ(code, 1);
  EXPECT_FALSE(fw::App()) << "the application object was never registered";
  EXPECT_TRUE(fw::OpenWindows().empty());
}

}  // namespace
}  // namespace quorvan
