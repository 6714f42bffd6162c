// Runs the whole program from its process entry, recording which framework services it reaches
// and in which order. The shared bar's build shows as one step, "MenuBar1".
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/call_log.h"
#include "framework/seams.h"
#include "framework/testing.h"
#include "shell/startup.h"

namespace quorvan {

class StartupFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    fw::seams::SetMessageBox([this](std::string_view text) { messages.emplace_back(text); });
    fw::seams::UseVirtualClock(true);
    fw::seams::SetPictureFolder(QUORVAN_SOURCE_PICTURES);
    fw::testing::ResetQuit();
  }

  void TearDown() override {
    fw::SetCallRecorder({});
    fw::testing::CloseAllWindows();
    fw::seams::SetPictureFolder({});
    fw::seams::UseVirtualClock(false);
    fw::seams::SetMessageBox({});
  }

  // Runs the program; `onCall` sees every call once it is recorded and may throw to fail that step.
  int Run(std::function<void(std::string_view)> onCall = {}) {
    const std::set<std::string_view> spine = {"RuntimeInit",
                                              "RuntimePerformInitializers",
                                              "RuntimeSetExceptionHelper",
                                              "DeclareFrameworkRelease",
                                              "Application.SetSupportsHiDPI",
                                              "RuntimeInitExternalClasses",
                                              "InitPluginEntrypoints",
                                              "Application.x_SetVersionData",
                                              "Application.MenuBar",
                                              "RuntimeRegisterAppObject",
                                              "RunFrameworkInitialization",
                                              "RuntimeRun",
                                              "UnhandledException",
                                              "RuntimePerformFinalizers",
                                              "RuntimeExit"};
    fw::SetCallRecorder([this, spine, onCall](std::string_view call) {
      if (spine.count(call)) calls.emplace_back(call);
      if (call == "MenuItem.Child" && (calls.empty() || calls.back() != "MenuBar1"))
        calls.emplace_back("MenuBar1");
      if (onCall) onCall(call);
    });
    char name[] = "quorvan";
    char* argv[] = {name, nullptr};
    int argc = 1;
    const int code = ProcessEntry(argc, argv);
    fw::SetCallRecorder({});
    return code;
  }

  std::vector<std::string> calls;
  std::vector<std::string> messages;
};

}  // namespace quorvan
