// The help text: its line structure, its fixed lines and the worked example's figure.
#include "info_windows/help_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

using quorvan::kHelpText;

std::vector<std::string> LinesOf(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find("\r\n", start)) != std::string_view::npos; start = at + 2) {
    lines.emplace_back(text.substr(start, at - start));
  }
  lines.emplace_back(text.substr(start));
  return lines;
}

TEST(HelpText, IsPlainAsciiWithCrLfOnlyAndNoBreakAfterTheLastLine) {
  std::size_t crlf = 0;
  for (std::size_t i = 0; i < kHelpText.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(kHelpText[i]);
    if (c == '\r') {
      ASSERT_LT(i + 1, kHelpText.size()) << "CR at the very end";
      ASSERT_EQ(kHelpText[i + 1], '\n') << "CR without LF at " << i;
      ++crlf;
      ++i;
      continue;
    }
    ASSERT_NE(c, '\n') << "LF without CR at " << i;
    ASSERT_TRUE(c >= 0x20 && c < 0x7F) << "not printable ASCII at " << i << ": " << int{c};
  }
  EXPECT_EQ(crlf, 17u);
  EXPECT_FALSE(kHelpText.ends_with("\n"));
}

TEST(HelpText, HasEighteenLinesWithEmptyLinesAndSeparatorInPlace) {
  const auto lines = LinesOf(kHelpText);
  ASSERT_EQ(lines.size(), 18u);
  for (int empty : {2, 4, 6, 8, 10, 11, 13, 15, 17}) {
    EXPECT_EQ(lines[empty - 1], "") << "line " << empty;
  }
  for (int full : {1, 3, 5, 7, 9, 14, 16, 18}) {
    EXPECT_NE(lines[full - 1], "") << "line " << full;
  }
  EXPECT_EQ(lines[11], std::string(91, '*'));
}

TEST(HelpText, FixedLinesAndProductNameStandWhereTheyBelong) {
  const auto lines = LinesOf(kHelpText);
  ASSERT_EQ(lines.size(), 18u);
  EXPECT_EQ(lines[0], "Quorvan");
  EXPECT_EQ(lines[2],
            "Quorvan is a simple calculator that takes the prevalence probability and the "
            "diagnostic likelihood odds to calculate the posttest probability (A x L = P). Pretest "
            "and posttest probabilities are entered in decimals format (.18) rather than "
            "percentage format (18%).");
  EXPECT_TRUE(lines[4].starts_with("Descriptions can be found in: "));
  EXPECT_TRUE(lines[15].starts_with("Reference as: "));
  for (int named : {1, 3, 14, 16, 18}) {
    EXPECT_NE(lines[named - 1].find("Quorvan"), std::string::npos) << "line " << named;
  }
}

TEST(HelpText, WorkedExampleGivesTheOddsFormResult) {
  const auto lines = LinesOf(kHelpText);
  ASSERT_EQ(lines.size(), 18u);
  EXPECT_EQ(lines[8],
            "If using raw data, the likelihood odds ratio can be computed as : sensitivity / (1 - "
            "specificity). Thus, if sensitivity was .6667 and specificity was .9100, then the "
            "likelihood ration would be .6667 / (1 - .9100) = 7.408. If the pretest probability "
            "(prevalence) rate was .03, then the posttest probability would be .186. These "
            "figures are from an example presented a search of 'Pre- and post-test probability' "
            "on Wikipedia.");
  // The line's figures, worked independently: ratio and posttest to the places it quotes.
  const double ratio = .6667 / (1 - .9100);
  const double posttest = .03 * ratio / (1 - .03 + .03 * ratio);
  char quoted[16];
  std::snprintf(quoted, sizeof quoted, "%.3f", ratio);
  EXPECT_STREQ(quoted, "7.408");
  std::snprintf(quoted, sizeof quoted, "%.3f", posttest);
  EXPECT_STREQ(quoted, "0.186");
}

}  // namespace
