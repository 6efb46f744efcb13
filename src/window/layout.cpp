#include "window/layout.h"

#include <array>
#include <cmath>

namespace vorlix::window {
namespace {

using enum ControlName;
using enum ControlKind;

constexpr Color kRed = rgb(255, 0, 0);
constexpr Color kYellow = rgb(255, 255, 0);
constexpr Color kLightCyan = rgb(128, 255, 255);
constexpr Color kOrange = rgb(255, 128, 0);
constexpr Color kMagenta = rgb(255, 0, 255);
constexpr Color kBlack = rgb(0, 0, 0);

constexpr Font kSymbolFont{"MS Sans Serif", 24, 400};
constexpr Font kOperatorFont{"MS Sans Serif", 18, 400};
constexpr Font kCommandFont{"MS Sans Serif", 12, 700};

constexpr ControlLayout entry(std::int16_t index, Geometry at, int tab) {
  return {member(Text1, index), TextBox,         "",  at,  kYellow, kBlack,
          kDefaultFont,         Alignment::Left, tab, true};
}
constexpr ControlLayout result(std::int16_t index, Geometry at, int tab, bool visible) {
  return {member(Text2, index), TextBox,         "",  at,     kLightCyan, kWindowText,
          kDefaultFont,         Alignment::Left, tab, visible};
}
constexpr ControlLayout operatorButton(std::int16_t index, std::string_view caption, Geometry at,
                                       int tab) {
  return {member(cmdOp, index), CommandButton, caption,           at,  kButtonFace,
          kButtonText,          kOperatorFont, Alignment::Center, tab, true};
}
constexpr ControlLayout commandButton(std::int16_t index, std::string_view caption, Geometry at,
                                      Color back, int tab) {
  return {member(Command1, index), CommandButton, caption, at, back, kButtonText, kCommandFont,
          Alignment::Center,       tab,           true};
}
constexpr ControlLayout fractionBar(std::int16_t index, int left, int length) {
  return {member(Line1, index), Line,   "",           {left, 960, length, 0},
          std::nullopt,         kBlack, kDefaultFont, Alignment::Left,
          std::nullopt,         true};
}

constexpr std::array kLayout{
    ControlLayout{single(Form1),
                  Window,
                  "Vorlix 1.1",
                  {0, 0, 6180, 3120},
                  kRed,
                  kBlack,
                  kDefaultFont,
                  Alignment::Left,
                  std::nullopt,
                  true},
    ControlLayout{single(Shape1),
                  Rectangle,
                  "",
                  {150, 240, 705, 2415},
                  std::nullopt,
                  kWindowText,
                  kDefaultFont,
                  Alignment::Left,
                  std::nullopt,
                  true},
    fractionBar(0, 1680, 480),
    fractionBar(1, 3240, 480),
    fractionBar(6, 5280, 600),
    entry(4, {1080, 840, 540, 285}, 15),
    entry(0, {1680, 600, 540, 285}, 0),
    entry(1, {1680, 1080, 540, 285}, 1),
    ControlLayout{single(Label1),
                  Label,
                  "+",
                  {2235, 720, 375, 495},
                  kRed,
                  kBlack,
                  kSymbolFont,
                  Alignment::Center,
                  9,
                  true},
    entry(5, {2640, 840, 540, 285}, 16),
    entry(2, {3240, 600, 540, 285}, 2),
    entry(3, {3240, 1080, 540, 285}, 3),
    ControlLayout{single(Label2),
                  Label,
                  "=",
                  {3960, 720, 375, 465},
                  kRed,
                  kBlack,
                  kSymbolFont,
                  Alignment::Left,
                  10,
                  true},
    result(0, {4440, 840, 655, 285}, 4, false),
    result(1, {5280, 600, 655, 285}, 7, true),
    result(2, {5280, 1080, 655, 285}, 5, true),
    operatorButton(1, "+", {240, 360, 495, 435}, 12),
    operatorButton(0, "-", {240, 960, 495, 435}, 11),
    operatorButton(2, "x", {240, 1560, 495, 435}, 13),
    operatorButton(3, "/", {240, 2160, 495, 375}, 14),
    commandButton(1, "&New", {1080, 1800, 2415, 615}, kOrange, 8),
    commandButton(0, "&Calculate", {3760, 1800, 2175, 615}, kMagenta, 6),
    ControlLayout{single(lblCopyright),
                  Label,
                  "\u00a9 2026 The Vorlix developers",
                  {2880, 2760, 3135, 255},
                  std::nullopt,
                  kButtonText,
                  kDefaultFont,
                  Alignment::Left,
                  17,
                  true},
};

}  // namespace

std::span<const ControlLayout> formLayout() { return kLayout; }

const ControlLayout* findLayout(ControlRef ref) {
  for (const ControlLayout& control : kLayout) {
    if (control.ref == ref) return &control;
  }
  return nullptr;
}

int twipsToPixels(int twips, double dotsPerInch) {
  return static_cast<int>(std::lround(twips * dotsPerInch / kTwipsPerInch));
}

}  // namespace vorlix::window
