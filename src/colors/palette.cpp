#include "colors/palette.h"

#include <cmath>

namespace vorlix::colors {

void SetColors(Palette& Colors) {
  Colors = {
      255,       // red
      65535,     // yellow
      16711680,  // blue
      33023,     // orange
      65280,     // green
      16711935,  // magenta
      16744576,  // light blue
      8454016,   // light green
      8388736,   // purple
  };
}

window::Color paletteColor(const Palette& Colors, std::int16_t entry) {
  return static_cast<window::Color>(std::lround(Colors.at(static_cast<std::size_t>(entry))));
}

}  // namespace vorlix::colors
