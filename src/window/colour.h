// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

namespace vorlix::window {

// A colour as the window reports and stores it: a signed 32-bit value,
// red + 256 * green + 65536 * blue with the top byte clear, or a system
// colour: the top bit set and the low byte naming a role of the desktop
// theme (button face 0x8000000F is -2147483633).
using Colour = std::int32_t;

constexpr Colour rgb(int red, int green, int blue) {
  return static_cast<Colour>(red + 256 * green + 65536 * blue);
}

// The system colour roles, numbered as a system colour's low byte names them.
enum class SystemRole : std::uint8_t {
  ScrollBar = 0,
  Desktop = 1,
  ActiveTitle = 2,
  InactiveTitle = 3,
  MenuBar = 4,
  WindowBackground = 5,
  WindowFrame = 6,
  MenuText = 7,
  WindowText = 8,
  TitleBarText = 9,
  ActiveBorder = 10,
  InactiveBorder = 11,
  ApplicationWorkspace = 12,
  Highlight = 13,
  HighlightText = 14,
  ButtonFace = 15,
  ButtonShadow = 16,
  GrayText = 17,
  ButtonText = 18,
  InactiveTitleText = 19,
  ButtonHighlight = 20,
  ButtonDarkShadow = 21,
  ButtonLight = 22,
  InfoText = 23,
  InfoBackground = 24,
};

constexpr Colour systemColour(SystemRole role) {
  return static_cast<Colour>(0x80000000U | static_cast<std::uint32_t>(role));
}

inline constexpr Colour kButtonFace = systemColour(SystemRole::ButtonFace);
inline constexpr Colour kButtonText = systemColour(SystemRole::ButtonText);
inline constexpr Colour kWindowText = systemColour(SystemRole::WindowText);

struct Rgb {
  std::uint8_t red;
  std::uint8_t green;
  std::uint8_t blue;
};

// The role a system colour names, or nullopt for any other value.
std::optional<SystemRole> systemRoleOf(Colour colour);
// The channels of a plain colour (top byte clear), or nullopt for any other.
std::optional<Rgb> rgbOf(Colour colour);
// A value an element accepts as its colour: a plain colour or a system one.
bool isValidColour(Colour colour);

// The contrast of two colours as WCAG 2 measures it, from 1 to 21.
double contrastRatio(Rgb first, Rgb second);

// The colour to draw text in on a background: the text's own colour where
// it reads at 4.5:1 or more (WCAG's level for normal text), else black or
// white, whichever reads better, which is always above 4.5:1. So a dark
// theme's light text turns black on light cyan, and black text turns white
// on the palette's blue and purple.
Rgb readableTextColour(Rgb text, Rgb background);

// The colour of the ring that shows which control has the keyboard focus,
// drawn on `surround` (what that part of the ring covers when the control
// has no focus): black or white, whichever changes the surround by 3:1 or
// more (WCAG's level for a control's states), and when both do, whichever
// stands out more from the control itself. One of the two always reaches
// 4.5:1 against any colour.
Rgb focusRingColour(Rgb control, Rgb surround);

}  // namespace vorlix::window
