// Shared set-up of the window tests: no windows at the start, a virtual clock, silent message box
// and beep, the program's pictures, and every exception the framework's guard caught collected so
// that a test can require that none occurred.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/dispatch.h"
#include "framework/seams.h"
#include "framework/testing.h"
#include "framework/window.h"

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fw::testing::CloseAllWindows();
    fw::seams::UseVirtualClock(true);
    fw::seams::SetMessageBox([this](std::string_view text) { messages.emplace_back(text); });
    fw::seams::SetBeep([] {});
    fw::seams::SetPictureFolder(PictureFolder());
    fw::SetExceptionReporter([this](std::string_view kind, std::string_view message) {
      reported.push_back(std::string(kind) + ": " + std::string(message));
    });
  }

  void TearDown() override {
    fw::testing::CloseAllWindows();
    fw::SetExceptionReporter({});
    fw::seams::SetPictureFolder({});
    fw::seams::SetMessageBox({});
    fw::seams::SetBeep({});
    fw::seams::UseVirtualClock(false);
    EXPECT_TRUE(reported.empty()) << "first reported: " << reported.front();
    EXPECT_TRUE(messages.empty()) << "first message: " << messages.front();
  }

  virtual std::filesystem::path PictureFolder() const { return QUORVAN_TEST_PICTURE_DIR; }

  // Open windows of the class, hidden ones included.
  static int CountOf(const fw::ClassInfo& cls) {
    int n = 0;
    for (const auto& w : fw::OpenWindows()) n += w->IsA(cls) ? 1 : 0;
    return n;
  }

  std::vector<std::string> messages;
  std::vector<std::string> reported;
};
