#include "framework/core/text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace fw {
namespace {

TEST(Val, ReadsATextThatIsEntirelyANumberAndGivesNaNForAnyOther) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    const char* text;
    double expected;
  };
  const Case cases[] = {
      // Numbers, as the calculator's fields let them be typed.
      {"5.", 5},
      {".5", .5},
      {"00.5", .5},
      {"0.03", 0.03},
      {"0", 0},
      {".0", 0},
      {"1.", 1},
      {"0001.50", 1.5},
      // Numbers in the other forms a number is written in.
      {"+.25", .25},
      {"-3.5e2", -350},
      {"1E3", 1000},
      {"2e-1", 0.2},
      {"1.e2", 100},
      {"1e400", inf},
      {"-1e400", -inf},
      {"1e-400", 0},
      {"0.000e999999", 0},
      // Texts that are numbers only in part, or not at all.
      {"", nan},
      {".", nan},
      {"..", nan},
      {".1.5", nan},
      {"1.2.3", nan},
      {"1..5", nan},
      {"abc", nan},
      {"12abc", nan},
      {"3,5", nan},
      {"  42", nan},
      {"42 ", nan},
      {"\t7", nan},
      {"- 5", nan},
      {"-", nan},
      {".e5", nan},
      {"1e", nan},
      {"1e+", nan},
      {"-3.5e2x", nan},
      {"0x10", nan},
  };
  for (const auto& c : cases) {
    const double value = Val(c.text);
    if (std::isnan(c.expected)) {
      EXPECT_TRUE(std::isnan(value)) << '"' << c.text << "\" gives " << value;
    } else {
      EXPECT_EQ(value, c.expected) << '"' << c.text << '"';
    }
  }
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
