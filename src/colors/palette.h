#pragma once

#include <array>
#include <cstdint>

#include "window/color.h"

namespace vorlix::colors {

// The nine colours a right-click steps through, each a whole number held
// in double precision.
using Palette = std::array<double, 9>;

// Fills the palette; called once, when the window loads.
void SetColors(Palette& Colors);

// The palette entry as a colour value, rounded to the nearest integer.
window::Color paletteColor(const Palette& Colors, std::int16_t entry);

}  // namespace vorlix::colors
