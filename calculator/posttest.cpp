#include "calculator/posttest.h"

namespace quorvan {

bool PretestInRange(double pretest) {
  return pretest > 0.0 && pretest < 1.0;
}

double Posttest(double pretest, double ratio) {
  const double product = pretest * ratio;
  return product / (1.0 - pretest + product);
}

}  // namespace quorvan
