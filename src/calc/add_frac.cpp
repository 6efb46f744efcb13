#include "calc/checked_int16.h"
#include "calc/fractions.h"
#include "calc/scaled_numerator.h"

namespace vorlix::calc {
namespace {

struct CommonForm {
  std::int16_t left;
  std::int16_t right;
  std::int16_t denominator;
};

// Both fractions over the product of their denominators, each step checked
// in the order in which its failure is reported.
CommonForm toCommonDenominator(std::int16_t lt, std::int16_t lb, std::int16_t rt, std::int16_t rb) {
  const std::int16_t common = checkedMultiply(lb, rb);
  const std::int16_t left = scaledNumerator(common, lb, lt);
  const std::int16_t right = scaledNumerator(common, rb, rt);
  return {left, right, common};
}

}  // namespace

void add_frac(CalculatorView& view, std::int16_t lt, std::int16_t lb, std::int16_t rt,
              std::int16_t rb) {
  const CommonForm form = toCommonDenominator(lt, lb, rt, rb);
  show_frac(view, checkedAdd(form.left, form.right), form.denominator);
}

void diff_frac(CalculatorView& view, std::int16_t lt, std::int16_t lb, std::int16_t rt,
               std::int16_t rb) {
  const CommonForm form = toCommonDenominator(lt, lb, rt, rb);
  const std::int16_t top = form.left > form.right ? checkedSubtract(form.left, form.right)
                                                  : checkedSubtract(form.right, form.left);
  show_frac(view, top, form.denominator);
}

}  // namespace vorlix::calc
