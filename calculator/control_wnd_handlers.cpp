// The calculator window's field and button handlers. Each step finds its control afresh.
#include <cmath>
#include <string>

#include "calculator/control_wnd.h"
#include "calculator/posttest.h"
#include "framework/core/text.h"
#include "framework/dialogs.h"
#include "info_windows/help_wnd.h"

namespace quorvan {

namespace {

// Lets the characters of a decimal fraction through (digits, point) and the editing keys
// Backspace and Tab; anything else beeps and is swallowed.
bool FilterKey(std::string_view key) {
  const std::int64_t code = fw::Asc(key);
  if (code > 47 && code < 58) return false;
  if (code == 8) return false;
  if (code == 9) return false;
  if (code == 46) return false;
  fw::Beep();
  return true;
}

}  // namespace

bool ControlWnd::PostFld_KeyDown(fw::TextField&, std::string_view) {
  return false;
}

bool ControlWnd::LikeFld_KeyDown(fw::TextField&, std::string_view key) {
  return FilterKey(key);
}

void ControlWnd::LikeFld_TextChange(fw::TextField&) {
  fw::Must(PostFld(), "PostFld").Text("");
}

bool ControlWnd::PreFld_KeyDown(fw::TextField&, std::string_view key) {
  return FilterKey(key);
}

void ControlWnd::PreFld_TextChange(fw::TextField&) {
  fw::Must(PostFld(), "PostFld").Text("");
}

bool ControlWnd::ClearBtn_MouseDown(fw::BevelButton&, std::int64_t, std::int64_t) {
  fw::Must(PostFld(), "PostFld").Text("");
  fw::Must(PreFld(), "PreFld").Text("");
  fw::Must(LikeFld(), "LikeFld").Text("");
  fw::Must(PostText(), "PostText").Visible(false);
  fw::Must(PostFld(), "PostFld").Visible(false);
  fw::Must(PreFld(), "PreFld").SetFocus();
  return false;
}

bool ControlWnd::helpBtn_MouseDown(fw::BevelButton&, std::int64_t, std::int64_t) {
  fw::Must(helpWnd(), "helpWnd").Show();
  return false;
}

void ControlWnd::computeBtn_Action(fw::BevelButton&) {
  const std::string lineEnd = fw::Chr(13) + fw::Chr(10);
  fw::Must(PreFld(), "PreFld").SetFocus();
  if (fw::Must(PreFld(), "PreFld").Text().empty()) {
    fw::MsgBox("Please enter the pretest probability." + lineEnd);
    fw::Must(PreFld(), "PreFld").SetFocus();
    return;
  }
  // A ratio that is no number (".", "1.2.3") is asked for again, as a missing one is.
  const auto refuseRatio = [&] {
    fw::MsgBox("Please enter the Likelihood Ratio." + lineEnd);
    fw::Must(LikeFld(), "LikeFld").SetFocus();
  };
  if (fw::Must(LikeFld(), "LikeFld").Text().empty()) {
    refuseRatio();
    return;
  }
  const double pretest = fw::Val(fw::Must(PreFld(), "PreFld").Text());
  if (!PretestInRange(pretest)) {
    fw::MsgBox("Pretest probability must range from .00001 to .99999");
    fw::Must(PreFld(), "PreFld").SetFocus();
    return;
  }
  const double ratio = fw::Val(fw::Must(LikeFld(), "LikeFld").Text());
  if (std::isnan(ratio)) {
    refuseRatio();
    return;
  }
  const double posttest = Posttest(pretest, ratio);
  fw::Must(PostText(), "PostText").Visible(true);
  fw::Must(PostFld(), "PostFld").Visible(true);
  const std::string result = fw::Format(posttest, ".0000");
  fw::Must(PostFld(), "PostFld").Text(result);
  fw::Must(PreFld(), "PreFld").SetFocus();
}

void ControlWnd::Canvas1_MouseEnter(fw::Canvas&) {}

void ControlWnd::Canvas1_MouseExit(fw::Canvas&) {}

}  // namespace quorvan
