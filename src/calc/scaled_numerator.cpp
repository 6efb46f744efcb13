// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/scaled_numerator.h"

#include <cmath>

#include "calc/checked_int16.h"
#include "calc/runtime_error.h"

namespace vorlix::calc {
namespace {

// The IEEE 754 exception conditions of one division and one product, tested
// exactly from the operands rather than through the floating-point status
// flags, so that no compiler reordering can hide them.
bool divisionFails(double dividend, double divisor) {
  // 0/0 is invalid, x/0 a division by zero; a quotient of finite values
  // overflows when it comes out infinite.
  if (divisor == 0.0) return true;
  return std::isinf(dividend / divisor) && std::isfinite(dividend);
}

bool productFails(double a, double b) {
  if ((std::isinf(a) && b == 0.0) || (std::isinf(b) && a == 0.0)) return true;
  return std::isinf(a * b) && std::isfinite(a) && std::isfinite(b);
}

}  // namespace

std::int16_t scaledNumerator(std::int16_t common, std::int16_t denominator,
                             std::int16_t numerator) {
  const double dividend = common;
  const double divisor = denominator;
  if (divisionFails(dividend, divisor)) raise(ErrorCode::DivisionByZero);
  const double factor = dividend / divisor;
  const double scale = numerator;
  if (productFails(factor, scale)) raise(ErrorCode::DivisionByZero);
  return roundToInt16(factor * scale);
}

}  // namespace vorlix::calc
