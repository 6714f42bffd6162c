#include "calculator/posttest.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace quorvan {
namespace {

TEST(PretestInRange, RefusesEverythingNotStrictlyBetweenZeroAndOne) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    double pretest;
    bool inRange;
  } cases[] = {
      {0.0, false},
      {-0.0, false},
      {1.0, false},
      {-0.5, false},
      {1.5, false},
      {nan, false},
      {inf, false},
      {-inf, false},
      {0.00001, true},
      {0.99999, true},
      {0.5, true},
      {1e-300, true},
      {std::nextafter(1.0, 0.0), true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PretestInRange(c.pretest), c.inRange) << c.pretest;
  }
}

TEST(Posttest, IsBayesInOddsForm) {
  struct Case {
    double pretest;
    double ratio;
    double expected;
  } cases[] = {
      {0.03, 7.408, 0.186405},                                    // the help text's worked example
      {0.5, 1.0, 0.5},                                            // a ratio of 1 tells nothing
      {0.9, 1.0, 0.9},         {0.5, 0.0, 0.0}, {0.2, 4.0, 0.5},  // odds 1:4 times 4 is 1:1
      {0.5, 3.0, 0.75},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(Posttest(c.pretest, c.ratio), c.expected, 5e-7) << c.pretest << " x " << c.ratio;
  }
}

TEST(Posttest, StaysWithinZeroAndOneAtTheEdgesOfTheRange) {
  for (double pretest : {1e-300, 0.00001, std::nextafter(1.0, 0.0)}) {
    for (double ratio : {0.0, 1e-300, 1.0, 99999.0, 1e300}) {
      const double p = Posttest(pretest, ratio);
      EXPECT_GE(p, 0.0) << pretest << " x " << ratio;
      EXPECT_LE(p, 1.0) << pretest << " x " << ratio;
    }
  }
}

}  // namespace
}  // namespace quorvan
