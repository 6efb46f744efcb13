// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/operations.h"

#include "calc/checked_int16.h"
#include "calc/runtime_error.h"
#include "calc/scaled_numerator.h"

namespace vorlix::calc {
namespace {

struct CommonForm {
  std::int16_t left;
  std::int16_t right;
  std::int16_t denominator;
};

// Both fractions over the product of their denominators, each step checked
// in the order in which its failure is reported.
CommonForm toCommonDenominator(Fraction left, Fraction right) {
  const std::int16_t common = checkedMultiply(left.denominator, right.denominator);
  const std::int16_t scaledLeft = scaledNumerator(common, left.denominator, left.numerator);
  const std::int16_t scaledRight = scaledNumerator(common, right.denominator, right.numerator);
  return {scaledLeft, scaledRight, common};
}

}  // namespace

Fraction sum(Fraction left, Fraction right) {
  const CommonForm form = toCommonDenominator(left, right);
  return {checkedAdd(form.left, form.right), form.denominator};
}

Fraction difference(Fraction left, Fraction right) {
  const CommonForm form = toCommonDenominator(left, right);
  const std::int16_t top = form.left > form.right ? checkedSubtract(form.left, form.right)
                                                  : checkedSubtract(form.right, form.left);
  return {top, form.denominator};
}

Fraction product(Fraction left, Fraction right) {
  // The denominator is checked first: its overflow is the one reported.
  const std::int16_t bottom = checkedMultiply(right.denominator, left.denominator);
  const std::int16_t top = checkedMultiply(left.numerator, right.numerator);
  return {top, bottom};
}

Fraction quotient(Fraction left, Fraction right) {
  // Inverting n/0 would give 0/n, a plain zero, and the quotient would be
  // shown as 0: the divisor is refused before anything is multiplied.
  if (right.denominator == 0) raise(ErrorCode::DivisionByZero);
  return product(left, {right.denominator, right.numerator});
}

}  // namespace vorlix::calc
