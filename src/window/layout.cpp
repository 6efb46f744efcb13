// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/layout.h"

#include <array>
#include <cmath>

#include "identity.h"

namespace vorlix::window {
namespace {

using enum Control;

constexpr Colour kRed = rgb(255, 0, 0);
constexpr Colour kYellow = rgb(255, 255, 0);
constexpr Colour kLightCyan = rgb(128, 255, 255);
constexpr Colour kOrange = rgb(255, 128, 0);
constexpr Colour kMagenta = rgb(255, 0, 255);
constexpr Colour kBlack = rgb(0, 0, 0);

constexpr Font kSymbolFont{"MS Sans Serif", 24, 400};
constexpr Font kOperatorFont{"MS Sans Serif", 18, 400};
constexpr Font kCommandFont{"MS Sans Serif", 12, 700};

constexpr ControlLayout entry(Control box, Geometry at, int tab) {
  return {box,          ControlKind::TextBox, "",  at,  kYellow, kBlack,
          kDefaultFont, Alignment::Left,      tab, true};
}
constexpr ControlLayout result(Control box, Geometry at, int tab, bool visible) {
  return {box,          ControlKind::TextBox, "",  at,     kLightCyan, kWindowText,
          kDefaultFont, Alignment::Left,      tab, visible};
}
constexpr ControlLayout symbol(Control label, std::string_view caption, Geometry at,
                               Alignment alignment, int tab) {
  return {label, ControlKind::Label, caption, at, kRed, kBlack, kSymbolFont, alignment, tab, true};
}
constexpr ControlLayout operatorButton(Control button, std::string_view caption, Geometry at,
                                       int tab) {
  return {button,        ControlKind::CommandButton, caption, at,  kButtonFace, kButtonText,
          kOperatorFont, Alignment::Center,          tab,     true};
}
constexpr ControlLayout commandButton(Control button, std::string_view caption, Geometry at,
                                      Colour back, int tab) {
  return {button,       ControlKind::CommandButton, caption, at,  back, kButtonText,
          kCommandFont, Alignment::Center,          tab,     true};
}
constexpr ControlLayout fractionBar(Control bar, int left, int length) {
  return {bar,          ControlKind::Line,
          "",           {left, 960, length, 0},
          std::nullopt, kBlack,
          kDefaultFont, Alignment::Left,
          std::nullopt, true};
}

constexpr std::array kLayout{
    ControlLayout{Window,
                  ControlKind::Window,
                  identity::kWindowTitle,
                  {0, 0, 6180, 3120},
                  kRed,
                  kBlack,
                  kDefaultFont,
                  Alignment::Left,
                  std::nullopt,
                  true},
    ControlLayout{OperatorFrame,
                  ControlKind::Rectangle,
                  "",
                  {150, 240, 705, 2415},
                  std::nullopt,
                  kWindowText,
                  kDefaultFont,
                  Alignment::Left,
                  std::nullopt,
                  true},
    fractionBar(FirstBar, 1680, 480),
    fractionBar(SecondBar, 3240, 480),
    fractionBar(ResultBar, 5280, 600),
    entry(FirstWhole, {1080, 840, 540, 285}, 15),
    entry(FirstNumerator, {1680, 600, 540, 285}, 0),
    entry(FirstDenominator, {1680, 1080, 540, 285}, 1),
    symbol(OperatorLabel, "+", {2235, 720, 375, 495}, Alignment::Center, 9),
    entry(SecondWhole, {2640, 840, 540, 285}, 16),
    entry(SecondNumerator, {3240, 600, 540, 285}, 2),
    entry(SecondDenominator, {3240, 1080, 540, 285}, 3),
    symbol(EqualsLabel, "=", {3960, 720, 375, 465}, Alignment::Left, 10),
    result(ResultWhole, {4440, 840, 655, 285}, 4, false),
    result(ResultNumerator, {5280, 600, 655, 285}, 7, true),
    result(ResultDenominator, {5280, 1080, 655, 285}, 5, true),
    operatorButton(AddButton, "+", {240, 360, 495, 435}, 12),
    operatorButton(SubtractButton, "-", {240, 960, 495, 435}, 11),
    operatorButton(MultiplyButton, "x", {240, 1560, 495, 435}, 13),
    operatorButton(DivideButton, "/", {240, 2160, 495, 375}, 14),
    commandButton(NewButton, "&New", {1080, 1800, 2415, 615}, kOrange, 8),
    commandButton(CalculateButton, "&Calculate", {3760, 1800, 2175, 615}, kMagenta, 6),
    ControlLayout{Copyright,
                  ControlKind::Label,
                  identity::kCopyright,
                  {2880, 2760, 3135, 255},
                  std::nullopt,
                  kButtonText,
                  kDefaultFont,
                  Alignment::Left,
                  17,
                  true},
};

constexpr bool rowsFollowTheControls() {
  for (std::size_t i = 0; i < kLayout.size(); ++i) {
    if (indexOf(kLayout[i].control) != i) return false;
  }
  return kLayout.size() == kControlCount;
}
static_assert(rowsFollowTheControls(), "one layout row per control, in the order of Control");

}  // namespace

std::span<const ControlLayout> windowLayout() { return kLayout; }

const ControlLayout& layoutOf(Control control) { return kLayout[indexOf(control)]; }

bool hasText(Control control) { return layoutOf(control).kind == ControlKind::TextBox; }

bool hasCaption(Control control) {
  const ControlKind kind = layoutOf(control).kind;
  return kind == ControlKind::Window || kind == ControlKind::Label ||
         kind == ControlKind::CommandButton;
}

bool takesFocus(Control control) {
  const ControlKind kind = layoutOf(control).kind;
  return kind == ControlKind::TextBox || kind == ControlKind::CommandButton;
}

int twipsToPixels(int twips, double dotsPerInch) {
  return static_cast<int>(std::lround(twips * dotsPerInch / kTwipsPerInch));
}

}  // namespace vorlix::window
