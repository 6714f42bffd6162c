// A calculator window made afresh for each test, with the message box, the beep and the clock
// replaced so that every run sees the same.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "calculator/control_wnd.h"
#include "framework/core/builtin_classes.h"
#include "framework/seams.h"
#include "framework/testing.h"

namespace quorvan {

class ControlWndFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    fw::seams::SetMessageBox([this](std::string_view text) { messages.emplace_back(text); });
    fw::seams::SetBeep([this] { ++beeps; });
    fw::seams::UseVirtualClock(true);
    fw::seams::SetPictureFolder(QUORVAN_SOURCE_PICTURES);
    window = ControlWnd();
    ASSERT_TRUE(window);
  }

  void TearDown() override {
    window.reset();
    fw::testing::CloseAllWindows();
    fw::seams::SetPictureFolder({});
    fw::seams::UseVirtualClock(false);
    fw::seams::SetBeep({});
    fw::seams::SetMessageBox({});
  }

  fw::TextField& Field(std::string_view name) const {
    return fw::Must(fw::RuntimeCheckCast<fw::TextField>(window->ControlByName(name)), "field");
  }

  // Raises a control event as the framework does for the user's action.
  bool RaiseOn(std::string_view control, int eventNumber, const fw::EventArgs& args = {}) const {
    return fw::Must(window->ControlByName(control), "control").RaiseEvent(eventNumber, args);
  }

  void Calculate(std::string_view pretest, std::string_view ratio) const {
    Field("PreFld").Text(pretest);
    Field("LikeFld").Text(ratio);
    RaiseOn("computeBtn", fw::kBevelButtonActionEvent);
  }

  void Clear() const { RaiseOn("ClearBtn", fw::kBevelButtonMouseDownEvent); }

  fw::Ref<class ControlWnd> window;
  std::vector<std::string> messages;
  int beeps = 0;
};

}  // namespace quorvan
