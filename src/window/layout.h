// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "translatable.h"
#include "window/colour.h"
#include "window/control.h"

// The window as it is created: one table row per element. Positions and
// sizes are in twips (1440 to the inch) from the client area's top-left.
namespace vorlix::window {

enum class ControlKind { Window, TextBox, Label, CommandButton, Rectangle, Line };
enum class Alignment { Left, Center };

struct Font {
  std::string_view face;
  int points;
  int weight;  // 400 normal, 700 bold
};

inline constexpr Font kDefaultFont{"MS Sans Serif", 8, 400};

// A rectangle, or for a line its start point and the offset to its end.
struct Geometry {
  int left;
  int top;
  int width;
  int height;
};

// A row names what differs from a plain element: no caption, transparent,
// black on the default font, left-aligned, outside the tab order, shown.
struct ControlLayout {
  Control control = Control::Window;
  ControlKind kind = ControlKind::Window;
  Translatable caption{};
  Geometry geometry{};
  std::optional<Colour> background{};  // nullopt: transparent
  Colour foreground = rgb(0, 0, 0);
  Font font = kDefaultFont;
  Alignment alignment = Alignment::Left;
  std::optional<int> tabIndex{};  // nullopt: not in the tab order at all
  bool visibleAtStart = true;
};

inline constexpr int kTwipsPerInch = 1440;

// Every element, in the order of Control: the window itself first, the
// drawn shapes before the controls they lie beneath.
std::span<const ControlLayout> windowLayout();
const ControlLayout& layoutOf(Control control);

// Whether the element holds a text (text boxes), a caption (the window,
// labels and buttons), or can take the keyboard focus.
bool hasText(Control control);
bool hasCaption(Control control);
bool takesFocus(Control control);

// Twips to pixels at a logical resolution, to the nearest pixel.
int twipsToPixels(int twips, double dotsPerInch);

}  // namespace vorlix::window
