// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/mixed_number.h"
#include "translatable.h"

namespace vorlix::calc {

// A mixed number as typed into its three entry boxes.
struct MixedNumberText {
  std::string_view whole;
  std::string_view numerator;
  std::string_view denominator;
};

// Everything a calculation reads: the two operands and the operator label's
// text ("+", "-", "x" or "/").
struct CalculationInput {
  MixedNumberText first;
  std::string_view operation;
  MixedNumberText second;
};

// What a calculation gives the window: a result for the result boxes, or a
// message for one message box, or neither when the operator label names no
// operation.
struct Outcome {
  std::optional<ResultDisplay> result;
  std::optional<std::string> message;

  static Outcome showing(ResultDisplay display) { return {std::move(display), std::nullopt}; }
  static Outcome saying(std::string text) { return {std::nullopt, std::move(text)}; }
};

// Checks that both fractions are there, converts the texts (numerators and
// denominators first, then the whole parts), folds each positive whole part
// into its numerator and applies the operation. The first failing step
// decides the message, in `language`; nothing after it runs.
Outcome calculate(const CalculationInput& input, const Language& language);

}  // namespace vorlix::calc
