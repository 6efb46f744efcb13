// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/checked_int16.h"

#include <cmath>
#include <limits>

#include "calc/runtime_error.h"

namespace vorlix::calc {
namespace {

// Range check of a value computed in a wider type.
std::int16_t narrowToInt16(std::int64_t value) {
  if (value < std::numeric_limits<std::int16_t>::min() ||
      value > std::numeric_limits<std::int16_t>::max()) {
    raise(ErrorCode::Overflow);
  }
  return static_cast<std::int16_t>(value);
}

}  // namespace

std::int16_t checkedAdd(std::int16_t a, std::int16_t b) {
  return narrowToInt16(std::int64_t{a} + std::int64_t{b});
}

std::int16_t checkedSubtract(std::int16_t a, std::int16_t b) {
  return narrowToInt16(std::int64_t{a} - std::int64_t{b});
}

std::int16_t checkedMultiply(std::int16_t a, std::int16_t b) {
  return narrowToInt16(std::int64_t{a} * std::int64_t{b});
}

std::int16_t checkedQuotient(std::int16_t a, std::int16_t b) {
  if (b == 0) raise(ErrorCode::DivisionByZero);
  return narrowToInt16(std::int64_t{a} / std::int64_t{b});
}

std::int16_t checkedRemainder(std::int16_t a, std::int16_t b) {
  if (b == 0) raise(ErrorCode::DivisionByZero);
  return narrowToInt16(std::int64_t{a} % std::int64_t{b});
}

std::int16_t roundToInt16(double value) {
  // Outside this window no rounding can bring the value into range, and the
  // comparison also sends NaN to Overflow instead of into a cast.
  if (!(value > -32769.0 && value < 32768.0)) raise(ErrorCode::Overflow);
  double whole = std::floor(value);
  const double fraction = value - whole;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
  return narrowToInt16(static_cast<std::int64_t>(whole));
}

}  // namespace vorlix::calc
