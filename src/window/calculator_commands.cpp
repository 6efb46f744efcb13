// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/calculator_commands.h"

#include <algorithm>
#include <stdexcept>

#include "calc/calculation.h"
#include "window/descriptions.h"
#include "window/spoken_phrases.h"

namespace vorlix::window {
namespace {

bool isDigit(CharacterCode code) { return code >= '0' && code <= '9'; }

bool isOperatorButton(Control button) {
  return std::ranges::find(kOperatorButtons, button) != kOperatorButtons.end();
}

calc::MixedNumberText operand(const WindowModel& window, Control whole, Control numerator,
                              Control denominator) {
  return {window.text(whole), window.text(numerator), window.text(denominator)};
}

void show(WindowModel& window, Control box, const calc::BoxContent& content) {
  window.setText(box, content.text);
  window.setVisible(box, content.visible);
}

}  // namespace

void CalculatorCommands::clickButton(Control button) {
  if (isOperatorButton(button)) {
    chooseOperator(button);
  } else if (button == Control::CalculateButton) {
    calculate();
  } else if (button == Control::NewButton) {
    startNew();
  }
}

void CalculatorCommands::calculate() {
  window_.setVisible(Control::ResultWhole, false);
  window_.setVisible(Control::ResultNumerator, true);
  window_.setVisible(Control::ResultDenominator, true);

  using enum Control;
  const calc::Outcome outcome =
      calc::calculate({operand(window_, FirstWhole, FirstNumerator, FirstDenominator),
                       window_.caption(OperatorLabel),
                       operand(window_, SecondWhole, SecondNumerator, SecondDenominator)},
                      language_);
  if (outcome.message) messages_.show(*outcome.message);
  if (outcome.result) {
    show(window_, ResultWhole, outcome.result->whole);
    show(window_, ResultNumerator, outcome.result->numerator);
    show(window_, ResultDenominator, outcome.result->denominator);
    announce(spokenResult(*outcome.result, language_));
  }
}

void CalculatorCommands::startNew() {
  for (const Control box : kEntryOrder) window_.setText(box, "");
  emptyResult();
  window_.setFocus(Control::FirstNumerator);
  announce(phrase(Phrase::Emptied, {spokenName(window_, window_.focus(), language_)}, language_));
}

void CalculatorCommands::chooseOperator(Control button) {
  emptyResult();
  window_.setCaption(Control::OperatorLabel, window_.caption(button));
  announce(spokenName(window_, Control::OperatorLabel, language_));
}

KeyVerdict CalculatorCommands::filterTypedKey(Control box, CharacterCode code) {
  const auto entry = std::ranges::find(kEntryOrder, box);
  if (entry == kEntryOrder.end()) throw std::logic_error("keys are filtered in entry boxes only");
  if (code == kBackspace) return KeyVerdict::Pass;
  if (code == kEnter) {
    if (box == Control::SecondDenominator) {
      calculate();
      return KeyVerdict::Pass;
    }
    // After the last entry box there is none to go to: the focus stays.
    if (std::next(entry) != kEntryOrder.end()) window_.setFocus(*std::next(entry));
  }
  return isDigit(code) ? KeyVerdict::Pass : KeyVerdict::Cancel;
}

KeyVerdict CalculatorCommands::filterButtonKey(Control button, CharacterCode code) {
  if (code != kEnter) return KeyVerdict::Pass;
  clickButton(button);
  return KeyVerdict::Cancel;
}

void CalculatorCommands::emptyResult() {
  for (const Control box : kResultBoxes) window_.setText(box, "");
}

void CalculatorCommands::announce(const std::string& phrase) const {
  if (announce_) announce_(phrase);
}

}  // namespace vorlix::window
