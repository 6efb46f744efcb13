// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace vorlix::calc {

// A fraction as the arithmetic works on it: possibly improper, not reduced,
// with any whole part already folded into the numerator.
struct Fraction {
  std::int16_t numerator;
  std::int16_t denominator;
};

// A result as the user reads it: a whole part and the remainder's fraction,
// shortened by one pass of trial divisors.
struct MixedNumber {
  std::int16_t whole;
  std::int16_t numerator;
  std::int16_t denominator;
};

}  // namespace vorlix::calc
