// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "translatable.h"
#include "window/colour.h"

namespace vorlix::colors {

// The nine colours a right-click steps through.
inline constexpr std::array<window::Colour, 9> kPalette{
    window::rgb(255, 0, 0),      // red
    window::rgb(255, 255, 0),    // yellow
    window::rgb(0, 0, 255),      // blue
    window::rgb(255, 128, 0),    // orange
    window::rgb(0, 255, 0),      // green
    window::rgb(255, 0, 255),    // magenta
    window::rgb(128, 128, 255),  // light blue
    window::rgb(128, 255, 128),  // light green
    window::rgb(128, 0, 128),    // purple
};

// Their names, as a screen reader says a recolouring: "... : yellow".
inline constexpr std::array<Translatable, kPalette.size()> kColourNames{
    translatable("Colours", "red"),        translatable("Colours", "yellow"),
    translatable("Colours", "blue"),       translatable("Colours", "orange"),
    translatable("Colours", "green"),      translatable("Colours", "magenta"),
    translatable("Colours", "light blue"), translatable("Colours", "light green"),
    translatable("Colours", "purple"),
};

}  // namespace vorlix::colors
