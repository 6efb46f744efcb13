#include "window/commands.h"

#include "calc/calculate.h"
#include "window/form_calculator_view.h"

namespace vorlix::window {
namespace {

constexpr std::int16_t kLastFractionBox = 3;  // Enter here calculates
constexpr std::int16_t kLastEntryBox = 5;
constexpr std::int16_t kEntryBoxes = 6;
constexpr std::int16_t kResultBoxes = 3;
constexpr std::int16_t kCalculate = 0;
constexpr std::int16_t kNew = 1;

bool isDigitCode(std::int16_t code) { return code >= '0' && code <= '9'; }

}  // namespace

void Form1Commands::Text1_KeyPress(std::int16_t index, std::int16_t& keyAscii) {
  if (keyAscii == kKeyBackspace) return;
  if (keyAscii == kKeyEnter) {
    if (index == kLastFractionBox) {
      Command1_Click(kCalculate);
      return;
    }
    // There is no box after the last one: the focus stays where it is.
    if (index != kLastEntryBox) {
      form_.setFocus(member(ControlName::Text1, static_cast<std::int16_t>(index + 1)));
    }
  }
  if (!isDigitCode(keyAscii)) keyAscii = 0;
}

void Form1Commands::cmdOp_Click(std::int16_t index) {
  clearResult();
  form_.setCaption(single(ControlName::Label1), form_.caption(member(ControlName::cmdOp, index)));
}

void Form1Commands::Command1_Click(std::int16_t index) {
  FormCalculatorView view(form_);
  calc::runWithErrorHandler(view, [&] {
    if (index == kCalculate) {
      calc::Calculate(view);
    } else if (index == kNew) {
      newCalculation();
    }
  });
}

void Form1Commands::clearResult() {
  for (std::int16_t i = 0; i < kResultBoxes; ++i) form_.setText(member(ControlName::Text2, i), "");
}

void Form1Commands::newCalculation() {
  for (std::int16_t i = 0; i < kEntryBoxes; ++i) form_.setText(member(ControlName::Text1, i), "");
  clearResult();
  form_.setFocus(member(ControlName::Text1, 0));
}

}  // namespace vorlix::window
