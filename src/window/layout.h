#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "window/color.h"
#include "window/control_ref.h"

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

struct ControlLayout {
  ControlRef ref;
  ControlKind kind;
  std::string_view caption;
  Geometry geometry;
  std::optional<Color> background;  // nullopt: transparent
  Color foreground;
  Font font;
  Alignment alignment;
  std::optional<int> tabIndex;  // nullopt: not in the tab order at all
  bool visibleAtStart;
};

inline constexpr int kTwipsPerInch = 1440;

// The window itself first, then every control; the drawn shapes come before
// the controls they lie beneath.
std::span<const ControlLayout> formLayout();

// nullptr when the window has no such element.
const ControlLayout* findLayout(ControlRef ref);

// Twips to pixels at a logical resolution, to the nearest pixel.
int twipsToPixels(int twips, double dotsPerInch);

}  // namespace vorlix::window
