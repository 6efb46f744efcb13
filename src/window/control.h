// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vorlix::window {

// Every element of the calculator's window, the window itself included, in
// the order they are laid out from left to right.
enum class Control : std::uint8_t {
  Window,
  OperatorFrame,  // the rectangle drawn around the operator buttons
  FirstBar,       // fraction bars, drawn on the window
  SecondBar,
  ResultBar,
  FirstWhole,
  FirstNumerator,
  FirstDenominator,
  OperatorLabel,  // shows the operator in force
  SecondWhole,
  SecondNumerator,
  SecondDenominator,
  EqualsLabel,
  ResultWhole,
  ResultNumerator,
  ResultDenominator,
  AddButton,
  SubtractButton,
  MultiplyButton,
  DivideButton,
  NewButton,
  CalculateButton,
  Copyright,
};

inline constexpr std::size_t kControlCount = static_cast<std::size_t>(Control::Copyright) + 1;

constexpr std::size_t indexOf(Control control) { return static_cast<std::size_t>(control); }

// The entry boxes in the order Enter walks them and New empties them: both
// fractions first, then the two whole parts.
inline constexpr std::array kEntryOrder{Control::FirstNumerator,  Control::FirstDenominator,
                                        Control::SecondNumerator, Control::SecondDenominator,
                                        Control::FirstWhole,      Control::SecondWhole};

inline constexpr std::array kResultBoxes{Control::ResultWhole, Control::ResultNumerator,
                                         Control::ResultDenominator};

inline constexpr std::array kOperatorButtons{Control::SubtractButton, Control::AddButton,
                                             Control::MultiplyButton, Control::DivideButton};

}  // namespace vorlix::window
