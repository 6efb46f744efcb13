// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace vorlix::calc {

// numerator * (common / denominator), worked in double precision. Raises
// DivisionByZero if the division or the product is an invalid operation, a
// division by zero or an overflow, then Overflow if the rounded value (ties
// to even) leaves the 16-bit range.
std::int16_t scaledNumerator(std::int16_t common, std::int16_t denominator, std::int16_t numerator);

}  // namespace vorlix::calc
