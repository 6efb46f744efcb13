// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// 16-bit arithmetic that never wraps: each operation is done in a wider type
// and checked once against -32768..32767, raising Overflow when it leaves it.
namespace vorlix::calc {

std::int16_t checkedAdd(std::int16_t a, std::int16_t b);
std::int16_t checkedSubtract(std::int16_t a, std::int16_t b);
std::int16_t checkedMultiply(std::int16_t a, std::int16_t b);

// Truncating quotient and its remainder; DivisionByZero for a zero divisor.
std::int16_t checkedQuotient(std::int16_t a, std::int16_t b);
std::int16_t checkedRemainder(std::int16_t a, std::int16_t b);

// Rounds to the nearest integer, ties to even, then range-checks.
std::int16_t roundToInt16(double value);

}  // namespace vorlix::calc
