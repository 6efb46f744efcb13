// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/descriptions.h"

#include <algorithm>
#include <array>

#include "window/layout.h"
#include "window/spoken_phrases.h"

namespace vorlix::window {
namespace {

using enum Control;

constexpr std::string_view kTypeDigits = "Type digits; Enter moves to the next box";

constexpr std::array kDescriptions{
    Description{Window, "", "Calculator for mixed fractions", ""},
    Description{FirstWhole, "first number, whole part", kTypeDigits, ""},
    Description{FirstNumerator, "first number, numerator", kTypeDigits, ""},
    Description{FirstDenominator, "first number, denominator", kTypeDigits, ""},
    Description{OperatorLabel, "", "The operation Calculate applies", ""},
    Description{SecondWhole, "second number, whole part", "Type digits", ""},
    Description{SecondNumerator, "second number, numerator", kTypeDigits, ""},
    Description{SecondDenominator, "second number, denominator", "Type digits; Enter calculates",
                ""},
    Description{EqualsLabel, "equals", "", ""},
    Description{ResultWhole, "result, whole part", "Shown when the result has a whole part", ""},
    Description{ResultNumerator, "result, numerator", "Shown when the result has a fraction", ""},
    Description{ResultDenominator, "result, denominator", "Shown when the result has a fraction",
                ""},
    Description{AddButton, "add", "Choose addition", "add"},
    Description{SubtractButton, "subtract", "Choose subtraction", "subtract"},
    Description{MultiplyButton, "multiply", "Choose multiplication", "multiply"},
    Description{DivideButton, "divide", "Choose division", "divide"},
    Description{NewButton, "New", "Empty every box (Alt+N)", "Empty every box (Alt+N)"},
    Description{CalculateButton, "Calculate", "Show the result (Alt+C)", "Show the result (Alt+C)"},
    Description{Copyright, "", "Copyright notice", ""},
};

// What the result boxes show; nothing while they are empty.
std::optional<calc::ResultDisplay> shownResult(const WindowModel& window) {
  const auto box = [&](Control c) { return calc::BoxContent{window.text(c), window.visible(c)}; };
  calc::ResultDisplay shown{box(ResultWhole), box(ResultNumerator), box(ResultDenominator)};
  if ((shown.whole.text + shown.numerator.text + shown.denominator.text).empty()) return {};
  return shown;
}

}  // namespace

std::optional<Description> descriptionOf(Control control) {
  const auto found = std::ranges::find(kDescriptions, control, &Description::control);
  if (found == kDescriptions.end()) return std::nullopt;
  return *found;
}

std::string_view operationInWords(std::string_view symbol) {
  for (const Control button : kOperatorButtons) {
    if (layoutOf(button).caption == symbol) return descriptionOf(button)->name;
  }
  return symbol;
}

std::string spokenName(const WindowModel& window, Control control) {
  switch (control) {
    case Window:
      return window.caption(Window);
    case OperatorLabel:
      return phrase(Phrase::Operation, operationInWords(window.caption(OperatorLabel)));
    case Copyright:
      return window.caption(Copyright);
    default:
      break;
  }
  const auto described = descriptionOf(control);
  return described ? std::string(described->name) : std::string{};
}

std::string spokenDescription(const WindowModel& window, Control control) {
  if (std::ranges::find(kResultBoxes, control) != kResultBoxes.end()) {
    if (const auto shown = shownResult(window)) return spokenResult(*shown);
  }
  const auto described = descriptionOf(control);
  return described ? std::string(described->description) : std::string{};
}

}  // namespace vorlix::window
