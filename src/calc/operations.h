// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/fraction.h"

// The four operators. Each works in checked 16-bit steps and raises the
// RunTimeError of the first step that fails; none reduces its result.
namespace vorlix::calc {

// Over the product of the two denominators, never a smaller common multiple.
Fraction sum(Fraction left, Fraction right);
// The size of the difference: the smaller scaled numerator is taken from the
// larger, so no result carries a sign.
Fraction difference(Fraction left, Fraction right);

Fraction product(Fraction left, Fraction right);
// left times the reciprocal of right. A divisor with a zero denominator has
// no value, so it is a division by zero before anything is multiplied.
Fraction quotient(Fraction left, Fraction right);

}  // namespace vorlix::calc
