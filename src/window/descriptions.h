// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "translatable.h"
#include "window/control.h"
#include "window/window_model.h"

// What a screen reader says of each element, and what a tooltip shows.
namespace vorlix::window {

struct Description {
  Control control{};
  Translatable name;         // what the element is
  Translatable description;  // what it does, or how to use it
  Translatable toolTip;      // empty: none
};

// One row for every element a widget shows; the drawn shapes have none.
std::optional<Description> descriptionOf(Control control);

// The name as it stands now, in `language`: the window is named by its
// title, and the operator label by the operation it shows, in words.
std::string spokenName(const WindowModel& window, Control control, const Language& language);

// The description as it stands now, in `language`: each result box
// describes the whole result in one phrase while the boxes hold one, and
// the window names the keys that recolour.
std::string spokenDescription(const WindowModel& window, Control control, const Language& language);

// What a recolouring calls the element, in `language`: the window, the
// operator sign and the equals sign by what a user sees of them ("window
// background"), any other element by its spoken name.
std::string colouredElementName(const WindowModel& window, Control element,
                                const Language& language);

// "+" is "add", "-" "subtract", "x" "multiply", "/" "divide"; any other
// text is said as it is.
std::string operationInWords(std::string_view symbol, const Language& language);

}  // namespace vorlix::window
