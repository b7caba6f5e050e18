#include "expr/coefficients.h"

namespace app {

long double CoefficientA = 0.0L;
long double CoefficientB = 0.0L;
long double CoefficientC = 0.0L;
std::array<QString, 3> CoefficientExpressions;

}  // namespace app
