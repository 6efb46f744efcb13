#include "calc/checked_int16.h"
#include "calc/fractions.h"

namespace vorlix::calc {

void mult_frac(CalculatorView& view, std::int16_t /*lw*/, std::int16_t lt, std::int16_t lb,
               std::int16_t /*rw*/, std::int16_t rt, std::int16_t rb) {
  // The denominator is checked first: its overflow is the one reported.
  const std::int16_t bottom = checkedMultiply(rb, lb);
  const std::int16_t top = checkedMultiply(lt, rt);
  show_frac(view, top, bottom);
}

}  // namespace vorlix::calc
