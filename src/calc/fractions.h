#pragma once

#include <cstdint>

#include "calc/calculator_view.h"

// The operations every calculation ends in. Each may raise a RunTimeError;
// none writes a result box before its last check has passed.
namespace vorlix::calc {

// Splits top/bottom into a whole part and a remainder, shortens the
// remainder's fraction by one pass of trial divisors (9 down to 2) and
// writes the three result boxes and their visibility.
void show_frac(CalculatorView& view, std::int16_t top, std::int16_t bottom);

// Multiplies lt/lb by rt/rb. The whole parts are already folded into the
// numerators; lw and rw are carried for the calling convention only.
void mult_frac(CalculatorView& view, std::int16_t lw, std::int16_t lt, std::int16_t lb,
               std::int16_t rw, std::int16_t rt, std::int16_t rb);

// Sum, and size of the difference, over the product of the denominators.
void add_frac(CalculatorView& view, std::int16_t lt, std::int16_t lb, std::int16_t rt,
              std::int16_t rb);
void diff_frac(CalculatorView& view, std::int16_t lt, std::int16_t lb, std::int16_t rt,
               std::int16_t rb);

}  // namespace vorlix::calc
