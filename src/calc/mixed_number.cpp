// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/mixed_number.h"

#include "calc/checked_int16.h"

namespace vorlix::calc {
namespace {

bool dividesBoth(std::int16_t divisor, std::int16_t a, std::int16_t b) {
  return a % divisor == 0 && b % divisor == 0;
}

}  // namespace

MixedNumber toMixedNumber(Fraction value) {
  std::int16_t whole = 0;
  std::int16_t remainder = value.numerator;
  std::int16_t bottom = value.denominator;
  if (value.numerator >= bottom) {
    whole = checkedQuotient(value.numerator, bottom);
    remainder = checkedRemainder(value.numerator, bottom);
  }

  // The divisors are fixed when the pass begins: a remainder that shrinks
  // during the pass does not shorten it, and each divisor is tried once.
  const std::int16_t firstDivisor = remainder >= 10 ? std::int16_t{9} : remainder;
  for (std::int16_t divisor = firstDivisor; divisor >= 2; --divisor) {
    if (dividesBoth(divisor, remainder, bottom)) {
      remainder = checkedQuotient(remainder, divisor);
      bottom = checkedQuotient(bottom, divisor);
    }
  }
  return {whole, remainder, bottom};
}

ResultDisplay displayOf(MixedNumber result) {
  const bool hasFraction = result.numerator != 0;
  return {{std::to_string(result.whole), result.whole > 0},
          {std::to_string(result.numerator), hasFraction},
          {std::to_string(result.denominator), hasFraction}};
}

}  // namespace vorlix::calc
