#include "calc/calculate.h"

#include <array>
#include <string>

#include "calc/checked_int16.h"
#include "calc/fractions.h"
#include "calc/runtime_error.h"
#include "calc/to_int16.h"

namespace vorlix::calc {
namespace {

// Entry box indices, in the order the operands are converted.
constexpr std::int16_t kLeftNumerator = 0;
constexpr std::int16_t kLeftDenominator = 1;
constexpr std::int16_t kRightNumerator = 2;
constexpr std::int16_t kRightDenominator = 3;
constexpr std::int16_t kLeftWhole = 4;
constexpr std::int16_t kRightWhole = 5;

void resetResultVisibility(CalculatorView& view) {
  view.setResultVisible(0, false);
  view.setResultVisible(1, true);
  view.setResultVisible(2, true);
}

bool fractionsMissing(const CalculatorView& view) {
  for (const std::int16_t index :
       {kLeftNumerator, kLeftDenominator, kRightNumerator, kRightDenominator}) {
    if (view.entryText(index).empty()) return true;
  }
  return false;
}

std::int16_t wholePart(const CalculatorView& view, std::int16_t index) {
  const std::string text = view.entryText(index);
  return text.empty() ? std::int16_t{0} : toInt16(text);
}

// A positive whole part becomes part of the numerator: whole * bottom + top.
void fold(std::int16_t& whole, std::int16_t& top, std::int16_t bottom) {
  if (whole <= 0) return;
  top = checkedAdd(checkedMultiply(whole, bottom), top);
  whole = 0;
}

}  // namespace

void Calculate(CalculatorView& view) {
  resetResultVisibility(view);
  if (fractionsMissing(view)) {
    view.showMessage("Fractions missing");
    return;
  }

  std::int16_t lt = toInt16(view.entryText(kLeftNumerator));
  const std::int16_t lb = toInt16(view.entryText(kLeftDenominator));
  std::int16_t rt = toInt16(view.entryText(kRightNumerator));
  const std::int16_t rb = toInt16(view.entryText(kRightDenominator));
  std::int16_t lw = wholePart(view, kLeftWhole);
  std::int16_t rw = wholePart(view, kRightWhole);
  fold(lw, lt, lb);
  fold(rw, rt, rb);

  const std::string op = view.operatorCaption();
  if (op == "+") {
    add_frac(view, lt, lb, rt, rb);
  } else if (op == "-") {
    diff_frac(view, lt, lb, rt, rb);
  } else if (op == "x") {
    mult_frac(view, lw, lt, lb, rw, rt, rb);
  } else if (op == "/") {
    mult_frac(view, lw, lt, lb, rw, rb, rt);
  }
}

void runWithErrorHandler(CalculatorView& view, const std::function<void()>& command) {
  try {
    command();
  } catch (const RunTimeError& error) {
    view.showMessage(userMessage(error.code()));
  }
}

}  // namespace vorlix::calc
