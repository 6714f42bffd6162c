// Every text a user can type into the pretest field (up to five of 0-9 and "."), each with a few
// ratio texts, through the real Calculate handler: no exception, and either exactly one message
// or a result that agrees with an independent odds computation.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

#include "tests/calculator/control_wnd_fixture.h"

namespace quorvan {
namespace {

// A decimal fraction as a reader takes it: digits with at most one point and at least one digit;
// any other text is no number (NaN).
double ReadDecimal(std::string_view text) {
  const bool oneNumber = std::ranges::count(text, '.') <= 1 &&
                         std::ranges::any_of(text, [](char c) { return c >= '0' && c <= '9'; });
  return oneNumber ? std::strtod(std::string(text).c_str(), nullptr)
                   : std::numeric_limits<double>::quiet_NaN();
}

// Bayes with odds formed explicitly: posttest odds = pretest odds * ratio.
double ByOdds(double pretest, double ratio) {
  const double odds = pretest / (1.0 - pretest) * ratio;
  return odds / (1.0 + odds);
}

bool IsMaskedResult(std::string_view text) {
  if (text == "1.0000") return true;
  if (text.size() != 5 || text[0] != '.') return false;
  for (char c : text.substr(1))
    if (c < '0' || c > '9') return false;
  return true;
}

using EveryInputTest = ControlWndFixture;

TEST_F(EveryInputTest, EveryTypeablePretestGivesOneMessageOrTheRightResult) {
  const char* const ratios[] = {"0", "1", "7.408", "99999", "1..5", "."};
  const std::string alphabet = "0123456789.";
  std::string pretest;
  long checked = 0;
  // Odometer over every length from 0 to 5.
  auto visit = [&](const std::string& text) {
    Field("PreFld").Text(text);
    for (const char* ratio : ratios) {
      Field("LikeFld").Text(ratio);
      messages.clear();
      fw::BevelButton& button = fw::Must(window->computeBtn());
      ASSERT_NO_THROW(window->computeBtn_Action(button)) << text << " / " << ratio;
      const double p = ReadDecimal(text);
      const std::string shown = Field("PostFld").Text();
      if (text.empty()) {
        ASSERT_EQ(messages.size(), 1u) << "'" << text << "'";
        ASSERT_EQ(messages[0], "Please enter the pretest probability.\r\n");
      } else if (!(p > 0.0 && p < 1.0)) {
        ASSERT_EQ(messages.size(), 1u) << text;
        ASSERT_EQ(messages[0], "Pretest probability must range from .00001 to .99999") << text;
      } else if (std::isnan(ReadDecimal(ratio))) {
        ASSERT_EQ(messages, std::vector<std::string>{"Please enter the Likelihood Ratio.\r\n"})
            << text << " / " << ratio;
        ASSERT_EQ(shown, "") << text << " / " << ratio;
      } else {
        ASSERT_TRUE(messages.empty()) << text << " / " << ratio;
        ASSERT_TRUE(IsMaskedResult(shown)) << text << " / " << ratio << " -> " << shown;
        const double value = std::strtod(shown.c_str(), nullptr);
        ASSERT_GE(value, 0.0);
        ASSERT_LE(value, 1.0);
        ASSERT_NEAR(value, ByOdds(p, ReadDecimal(ratio)), 0.00005 + 1e-12)
            << text << " / " << ratio << " -> " << shown;
      }
      ++checked;
    }
  };
  for (std::size_t length = 0; length <= 5; ++length) {
    std::vector<std::size_t> digits(length, 0);
    while (true) {
      pretest.clear();
      for (std::size_t d : digits) pretest += alphabet[d];
      visit(pretest);
      if (HasFatalFailure()) return;
      std::size_t i = 0;
      while (i < length && ++digits[i] == alphabet.size()) digits[i++] = 0;
      if (i == length) break;
    }
  }
  EXPECT_EQ(checked, 177156L * 6);
}

}  // namespace
}  // namespace quorvan
