// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "calc/fraction.h"

namespace vorlix::calc {

// Splits off the whole part by truncating division (DivisionByZero for a
// zero denominator), then shortens the remainder's fraction by one pass of
// the divisors 9 down to 2, each tried once.
MixedNumber toMixedNumber(Fraction value);

// What one result box shows.
struct BoxContent {
  std::string text;
  bool visible = false;

  friend bool operator==(const BoxContent&, const BoxContent&) = default;
};

// The three result boxes. A hidden whole-part box means there is no whole
// part; hidden numerator and denominator boxes mean there is no fraction.
struct ResultDisplay {
  BoxContent whole;
  BoxContent numerator;
  BoxContent denominator;

  friend bool operator==(const ResultDisplay&, const ResultDisplay&) = default;
};

// Every text is written, whether or not its box is shown.
ResultDisplay displayOf(MixedNumber result);

}  // namespace vorlix::calc
