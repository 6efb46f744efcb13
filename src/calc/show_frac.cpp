#include <string>

#include "calc/checked_int16.h"
#include "calc/fractions.h"

namespace vorlix::calc {
namespace {

constexpr std::int16_t kWhole = 0;
constexpr std::int16_t kNumerator = 1;
constexpr std::int16_t kDenominator = 2;

bool dividesBoth(std::int16_t divisor, std::int16_t a, std::int16_t b) {
  return a % divisor == 0 && b % divisor == 0;
}

}  // namespace

void show_frac(CalculatorView& view, std::int16_t top, std::int16_t bottom) {
  std::int16_t whole = 0;
  std::int16_t remainder = top;
  if (top >= bottom) {
    whole = checkedQuotient(top, bottom);
    remainder = checkedRemainder(top, bottom);
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

  view.setResultText(kWhole, std::to_string(whole));
  if (whole > 0) view.setResultVisible(kWhole, true);
  if (remainder == 0) {
    view.setResultVisible(kNumerator, false);
    view.setResultVisible(kDenominator, false);
  }
  view.setResultText(kNumerator, std::to_string(remainder));
  view.setResultText(kDenominator, std::to_string(bottom));
}

}  // namespace vorlix::calc
