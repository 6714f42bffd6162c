// The calculator's arithmetic, apart from any window: Bayes' theorem in odds form and the range
// test on the pretest probability.
#pragma once

namespace quorvan {

// Whether a pretest probability can be worked with: strictly between 0 and 1. At 0 or 1 no test
// changes anything, and a value that is not a number is refused too.
bool PretestInRange(double pretest);

// The posttest probability: the pretest odds times the likelihood ratio, turned back into a
// probability, written so that no odds are formed: (pretest * ratio) / (1 - pretest + pretest *
// ratio). For a pretest in range and a ratio of 0 or more it lies in [0, 1].
double Posttest(double pretest, double ratio);

}  // namespace quorvan
