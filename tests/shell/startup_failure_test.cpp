// Runs that fail. A start-up step that fails: reported once as unhandled, every later step skipped,
// the event loop never entered, and still finalisers and the exit code. A window that cannot be
// built in the event loop leaves nothing to use: the loop ends with code 1. Their own program,
// since a run that saw an unhandled exception ends with 1 from then on.
#include <gtest/gtest.h>

#include <QTimer>
#include <algorithm>
#include <chrono>

#include "framework/core/application.h"
#include "framework/core/exceptions.h"
#include "framework/runtime.h"
#include "framework/seams.h"
#include "framework/testing.h"
#include "framework/window.h"
#include "tests/shell/startup_fixture.h"

namespace quorvan {
namespace {

using namespace std::chrono_literals;

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

TEST_F(StartupFailureTest, AWindowThatCannotBeBuiltInTheLoopEndsItWithCodeOne) {
  const struct {
    const char* name;
    bool handOver;  // the About box is built and hands over to a calculator that cannot be
  } cases[] = {
      {"the About box in the late start-up step", false},
      {"the calculator after the About box hid itself", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fw::testing::CloseAllWindows();
    fw::testing::ResetQuit();
    calls.clear();
    messages.clear();
    bool failing = false;
    // Ends a loop that would run on unseen, so that the run returns and the test fails.
    QTimer stillRunning;
    stillRunning.setSingleShot(true);
    QObject::connect(&stillRunning, &QTimer::timeout, [] {
      if (!fw::testing::QuitRequested()) fw::Quit(0);
    });
    const int code = Run([&](std::string_view call) {
      if (call == "RuntimeRun" && !c.handOver) failing = true;
      if (call == "RuntimeRun" && c.handOver) {
        // Queued behind the late start-up step, which the loop runs first; the box's timer then
        // hands over.
        QTimer::singleShot(0, [&] {
          QTimer::singleShot(0, [&] {
            failing = true;
            fw::seams::AdvanceClock(4000ms);
          });
        });
      }
      if (failing && call == "GetPictureFromResourceManager") {
        stillRunning.start(0);
        throw fw::RuntimeException("injected");
      }
    });
    EXPECT_EQ(code, 1);
    EXPECT_EQ(fw::testing::QuitCode(), 1) << "the loop itself ended for the fault";
    EXPECT_EQ(messages, std::vector<std::string>{"RuntimeException: injected"});
    EXPECT_EQ(calls.back(), "RuntimeExit");
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "UnhandledException"), 0);
  }
}

}  // namespace
}  // namespace quorvan
