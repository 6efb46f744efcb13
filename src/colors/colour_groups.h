// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "window/control.h"

namespace vorlix::colors {

// Elements that step through the palette together: a right-click on any
// member advances the group's one counter.
enum class ColourGroup : std::uint8_t {
  Window,
  OperatorLabel,
  EqualsLabel,
  EntryBoxes,
  ResultBoxes,
  OperatorButtons,
  CommandButtons,
};

inline constexpr std::size_t kColourGroupCount =
    static_cast<std::size_t>(ColourGroup::CommandButtons) + 1;

// nullopt for an element that keeps its colour: the copyright line, and the
// drawn shapes, whose clicks are the window's.
std::optional<ColourGroup> colourGroupOf(window::Control element);

}  // namespace vorlix::colors
