// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/calculation.h"

namespace vorlix::testing {

// A sum as a person writes it, "1 1/2 + 2 1/3" or "3/4 x 1/2": each operand
// an optional whole part and a fraction, the operator between them.
struct WrittenSum {
  struct Operand {
    std::string whole;
    std::string numerator;
    std::string denominator;
  };
  Operand first;
  std::string operation;
  Operand second;

  // Views into this sum, for a calculation.
  calc::CalculationInput input() const;
};

// nullopt for text that is not such a sum.
std::optional<WrittenSum> parseSum(std::string_view text);

}  // namespace vorlix::testing
