#include "framework/core/text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace fw {
namespace {

TEST(Val, ReadsTheLongestNumberPrefix) {
  struct Case {
    const char* text;
    double expected;
  };
  const Case cases[] = {
      {"", 0},
      {".", 0},
      {"abc", 0},
      {"1..5", 1},
      {".5.5", .5},
      {"  42", 42},
      {"\t7", 7},
      {"0.03", 0.03},
      {"+.25", .25},
      {"-3.5e2x", -350},
      {"1E3", 1000},
      {"1e", 1},
      {"1e+", 1},
      {"2e-1", 0.2},
      {"- 5", 0},
      {"12abc", 12},
      {"3,5", 3},
      {".e5", 0},
      {"-", 0},
      {"0001.50", 1.5},
      {"1e400", std::numeric_limits<double>::infinity()},
      {"-1e400", -std::numeric_limits<double>::infinity()},
      {"1e-400", 0},
      {"0.000e999999", 0},
      {"1.e2", 100},
      {"1.", 1},
      {"0x10", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(Val(c.text), c.expected) << '"' << c.text << '"';
}

TEST(Format, WritesTheNumberAfterTheMask) {
  struct Case {
    double number;
    const char* mask;
    const char* expected;
  };
  const double inf = std::numeric_limits<double>::infinity();
  const Case cases[] = {
      {.1864, ".0000", ".1864"},
      {0.18640, ".0000", ".1864"},
      {0.3 / 1.3, ".0000", ".2308"},
      {0, ".0000", ".0000"},
      {0.99996, ".0000", "1.0000"},
      {0.99994, ".0000", ".9999"},
      {1, ".0000", "1.0000"},
      {12.5, ".0000", "12.5000"},
      {-0.25, ".0000", "-.2500"},
      {-0.00001, ".0000", ".0000"},
      {std::nan(""), ".0000", "NaN"},
      {inf, ".0000", "INF"},
      {-inf, ".0000", "-INF"},
      {3.10, "#.##", "3.1"},
      {0.5, "0.00", "0.50"},
      {7, "000", "007"},
      {1234.5, "#0", "1235"},
      {2.5, "", "3"},
      {0.125, ".00", ".13"},
      {-2.5, "#", "-3"},
      {1e20, ".0", "100000000000000000000.0"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Format(c.number, c.mask), c.expected) << c.number << " with \"" << c.mask << '"';
  }
}

TEST(ChrAsc, EncodeAndDecodeUtf8) {
  struct Case {
    std::int64_t code;
    const char* text;
  };
  const Case cases[] = {
      {8, "\b"},
      {13, "\r"},
      {46, "."},
      {233, "\xC3\xA9"},
      {0x20AC, "\xE2\x82\xAC"},
      {0x1F600, "\xF0\x9F\x98\x80"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Chr(c.code), c.text) << c.code;
    EXPECT_EQ(Asc(c.text), c.code) << c.code;
  }
  EXPECT_EQ(Asc("ab"), 'a');
}

TEST(ChrAsc, EdgesOfTheCodeRange) {
  EXPECT_EQ(Asc(""), 0);
  EXPECT_EQ(Chr(-1), "");
  EXPECT_EQ(Chr(0xD800), "");
  EXPECT_EQ(Chr(0x110000), "");
  // Malformed UTF-8: the first byte stands for itself.
  EXPECT_EQ(Asc("\xFF"), 0xFF);
  EXPECT_EQ(Asc("\xC3"), 0xC3);
  EXPECT_EQ(Asc("\xC0\x80"), 0xC0);
  EXPECT_EQ(Asc("\xED\xA0\x80"), 0xED);
}

}  // namespace
}  // namespace fw
