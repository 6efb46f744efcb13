// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/calculation.h"

#include <array>

#include "calc/checked_int16.h"
#include "calc/operations.h"
#include "calc/runtime_error.h"
#include "calc/to_int16.h"

namespace vorlix::calc {
namespace {

struct Operation {
  std::string_view symbol;
  Fraction (*apply)(Fraction, Fraction);
};

// The operator exists only as the label's text, compared exactly.
constexpr std::array kOperations{Operation{"+", sum}, Operation{"-", difference},
                                 Operation{"x", product}, Operation{"/", quotient}};

//: The message when Calculate is pressed with a numerator or a denominator
//: box empty.
constexpr Translatable kFractionsMissing = translatable("Messages", "Fractions missing");

bool fractionsMissing(const CalculationInput& input) {
  return input.first.numerator.empty() || input.first.denominator.empty() ||
         input.second.numerator.empty() || input.second.denominator.empty();
}

std::int16_t wholePart(std::string_view text) {
  return text.empty() ? std::int16_t{0} : toInt16(text);
}

// A positive whole part becomes part of the numerator: whole * bottom + top.
Fraction folded(std::int16_t whole, Fraction fraction) {
  if (whole <= 0) return fraction;
  return {checkedAdd(checkedMultiply(whole, fraction.denominator), fraction.numerator),
          fraction.denominator};
}

std::optional<Fraction> evaluate(const CalculationInput& input) {
  // Braced initialisation converts left to right: the first box in this
  // order that fails is the one reported.
  const Fraction first{toInt16(input.first.numerator), toInt16(input.first.denominator)};
  const Fraction second{toInt16(input.second.numerator), toInt16(input.second.denominator)};
  const std::int16_t firstWhole = wholePart(input.first.whole);
  const std::int16_t secondWhole = wholePart(input.second.whole);
  const Fraction left = folded(firstWhole, first);
  const Fraction right = folded(secondWhole, second);
  for (const Operation& operation : kOperations) {
    if (operation.symbol == input.operation) return operation.apply(left, right);
  }
  return std::nullopt;
}

}  // namespace

Outcome calculate(const CalculationInput& input, const Language& language) {
  if (fractionsMissing(input)) return Outcome::saying(language.text(kFractionsMissing));
  try {
    const std::optional<Fraction> value = evaluate(input);
    if (!value) return {};
    return Outcome::showing(displayOf(toMixedNumber(*value)));
  } catch (const RunTimeError& error) {
    return Outcome::saying(userMessage(error.code(), language));
  }
}

}  // namespace vorlix::calc
