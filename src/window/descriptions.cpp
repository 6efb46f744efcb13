// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/descriptions.h"

#include <algorithm>
#include <array>

#include "window/layout.h"
#include "window/recolouring_keys.h"
#include "window/spoken_phrases.h"

namespace vorlix::window {
namespace {

using enum Control;

constexpr Translatable kTypeDigits =
    translatable("Descriptions", "Type digits; Enter moves to the next box");
constexpr Translatable kNone{};

constexpr Description described(Control control, Translatable name, Translatable description,
                                Translatable toolTip = kNone) {
  return {control, name, description, toolTip};
}

constexpr std::array kDescriptions{
    //: %1, %2 and %3 are the keys that recolour the window background, the
    //: operator sign and the equals sign (Keys: Alt+W, Alt+O and Alt+E).
    described(Window, kNone,
              translatable("Descriptions",
                           "Calculator for mixed fractions. The context-menu key or Shift+F10 "
                           "gives the focused box or button its next colour, %1 the window "
                           "background, %2 the operator sign and %3 the equals sign.")),
    described(FirstWhole, translatable("Descriptions", "first number, whole part"), kTypeDigits),
    described(FirstNumerator, translatable("Descriptions", "first number, numerator"), kTypeDigits),
    described(FirstDenominator, translatable("Descriptions", "first number, denominator"),
              kTypeDigits),
    described(OperatorLabel, kNone,
              translatable("Descriptions", "The operation Calculate applies")),
    described(SecondWhole, translatable("Descriptions", "second number, whole part"),
              translatable("Descriptions", "Type digits")),
    described(SecondNumerator, translatable("Descriptions", "second number, numerator"),
              kTypeDigits),
    described(SecondDenominator, translatable("Descriptions", "second number, denominator"),
              translatable("Descriptions", "Type digits; Enter calculates")),
    //: The name a screen reader gives the = sign between the numbers and
    //: the result.
    described(EqualsLabel, translatable("Descriptions", "equals"), kNone),
    described(ResultWhole, translatable("Descriptions", "result, whole part"),
              translatable("Descriptions", "Shown when the result has a whole part")),
    described(ResultNumerator, translatable("Descriptions", "result, numerator"),
              translatable("Descriptions", "Shown when the result has a fraction")),
    described(ResultDenominator, translatable("Descriptions", "result, denominator"),
              translatable("Descriptions", "Shown when the result has a fraction")),
    // An operator button's name is spoken on its own ("add") and fills the
    // operator sign's name ("operation: add"); its tooltip is a text of its
    // own, written as a tooltip is.
    described(AddButton,
              //: The name a screen reader gives the + button, also said after
              //: "operation: " once it is chosen: a word that reads well in both
              //: places (a noun such as "Addition" in many languages).
              translatable("Descriptions", "add"), translatable("Descriptions", "Choose addition"),
              //: The tooltip of the + button.
              translatable("Descriptions", "Add")),
    described(SubtractButton,
              //: The name of the - button, also said after "operation: ".
              translatable("Descriptions", "subtract"),
              translatable("Descriptions", "Choose subtraction"),
              //: The tooltip of the - button.
              translatable("Descriptions", "Subtract")),
    described(MultiplyButton,
              //: The name of the x button, also said after "operation: ".
              translatable("Descriptions", "multiply"),
              translatable("Descriptions", "Choose multiplication"),
              //: The tooltip of the x button.
              translatable("Descriptions", "Multiply")),
    described(DivideButton,
              //: The name of the / button, also said after "operation: ".
              translatable("Descriptions", "divide"),
              translatable("Descriptions", "Choose division"),
              //: The tooltip of the / button.
              translatable("Descriptions", "Divide")),
    described(NewButton, translatable("Descriptions", "New"),
              //: The New button's description and tooltip: name the access
              //: key of its caption ("&New") in your language.
              translatable("Descriptions", "Empty every box (Alt+N)"),
              translatable("Descriptions", "Empty every box (Alt+N)")),
    described(CalculateButton, translatable("Descriptions", "Calculate"),
              //: The Calculate button's description and tooltip: name the
              //: access key of its caption ("&Calculate") in your language.
              translatable("Descriptions", "Show the result (Alt+C)"),
              translatable("Descriptions", "Show the result (Alt+C)")),
    described(Copyright, kNone, translatable("Descriptions", "Copyright notice")),
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

std::string operationInWords(std::string_view symbol, const Language& language) {
  for (const Control button : kOperatorButtons) {
    if (layoutOf(button).caption.source == symbol)
      return language.text(descriptionOf(button)->name);
  }
  return std::string(symbol);
}

std::string spokenName(const WindowModel& window, Control control, const Language& language) {
  switch (control) {
    case Window:
      return window.caption(Window);
    case OperatorLabel:
      return phrase(Phrase::Operation, {operationInWords(window.caption(OperatorLabel), language)},
                    language);
    case Copyright:
      return window.caption(Copyright);
    default:
      break;
  }
  const auto found = descriptionOf(control);
  return found ? language.text(found->name) : std::string{};
}

std::string colouredElementName(const WindowModel& window, Control element,
                                const Language& language) {
  struct Named {
    Control element{};
    Translatable name;
  };
  constexpr std::array kSeenNames{
      Named{Window, translatable("Descriptions", "window background")},
      Named{OperatorLabel, translatable("Descriptions", "operator sign")},
      Named{EqualsLabel, translatable("Descriptions", "equals sign")},
  };
  const auto seen = std::ranges::find(kSeenNames, element, &Named::element);
  return seen != kSeenNames.end() ? language.text(seen->name)
                                  : spokenName(window, element, language);
}

std::string spokenDescription(const WindowModel& window, Control control,
                              const Language& language) {
  if (std::ranges::find(kResultBoxes, control) != kResultBoxes.end()) {
    if (const auto shown = shownResult(window)) return spokenResult(*shown, language);
  }
  const auto found = descriptionOf(control);
  if (!found) return {};
  if (control != Window) return language.text(found->description);
  const auto key = [&](std::size_t i) { return language.text(kRecolouringKeys.at(i).key); };
  return filledIn(language.text(found->description), {key(0), key(1), key(2)});
}

}  // namespace vorlix::window
