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

constexpr Font kSymbolFont{kDefaultFont.face, 24, 400};
constexpr Font kOperatorFont{kDefaultFont.face, 18, 400};
constexpr Font kCommandFont{kDefaultFont.face, 12, 700};

constexpr ControlLayout entry(Control box, Geometry at, int tab) {
  return {.control = box,
          .kind = ControlKind::TextBox,
          .geometry = at,
          .background = kYellow,
          .tabIndex = tab};
}
constexpr ControlLayout result(Control box, Geometry at, int tab, bool visible) {
  return {.control = box,
          .kind = ControlKind::TextBox,
          .geometry = at,
          .background = kLightCyan,
          .foreground = kWindowText,
          .tabIndex = tab,
          .visibleAtStart = visible};
}
constexpr ControlLayout symbol(Control label, Translatable caption, Geometry at,
                               Alignment alignment, int tab) {
  return {.control = label,
          .kind = ControlKind::Label,
          .caption = caption,
          .geometry = at,
          .background = kRed,
          .font = kSymbolFont,
          .alignment = alignment,
          .tabIndex = tab};
}
constexpr ControlLayout button(Control control, Translatable caption, Geometry at, Colour back,
                               Font font, int tab) {
  return {.control = control,
          .kind = ControlKind::CommandButton,
          .caption = caption,
          .geometry = at,
          .background = back,
          .foreground = kButtonText,
          .font = font,
          .alignment = Alignment::Center,
          .tabIndex = tab};
}
// The operators read the same in every language, and the calculation
// compares the operator label's caption with them.
constexpr ControlLayout operatorButton(Control control, std::string_view caption, Geometry at,
                                       int tab) {
  return button(control, verbatim(caption), at, kButtonFace, kOperatorFont, tab);
}
constexpr ControlLayout fractionBar(Control bar, int left, int length) {
  return {.control = bar, .kind = ControlKind::Line, .geometry = {left, 960, length, 0}};
}

constexpr std::array kLayout{
    ControlLayout{.control = Window,
                  .caption = verbatim(identity::kWindowTitle),
                  .geometry = {0, 0, 6180, 3120},
                  .background = kRed},
    ControlLayout{.control = OperatorFrame,
                  .kind = ControlKind::Rectangle,
                  .geometry = {150, 240, 705, 2415},
                  .foreground = kWindowText},
    fractionBar(FirstBar, 1680, 480),
    fractionBar(SecondBar, 3240, 480),
    fractionBar(ResultBar, 5280, 600),
    entry(FirstWhole, {1080, 840, 540, 285}, 15),
    entry(FirstNumerator, {1680, 600, 540, 285}, 0),
    entry(FirstDenominator, {1680, 1080, 540, 285}, 1),
    symbol(OperatorLabel, verbatim("+"), {2235, 720, 375, 495}, Alignment::Center, 9),
    entry(SecondWhole, {2640, 840, 540, 285}, 16),
    entry(SecondNumerator, {3240, 600, 540, 285}, 2),
    entry(SecondDenominator, {3240, 1080, 540, 285}, 3),
    symbol(EqualsLabel, verbatim("="), {3960, 720, 375, 465}, Alignment::Left, 10),
    result(ResultWhole, {4440, 840, 655, 285}, 4, false),
    result(ResultNumerator, {5280, 600, 655, 285}, 7, true),
    result(ResultDenominator, {5280, 1080, 655, 285}, 5, true),
    operatorButton(AddButton, "+", {240, 360, 495, 435}, 12),
    operatorButton(SubtractButton, "-", {240, 960, 495, 435}, 11),
    operatorButton(MultiplyButton, "x", {240, 1560, 495, 435}, 13),
    operatorButton(DivideButton, "/", {240, 2160, 495, 375}, 14),
    //: A button's caption; & marks its access key (Alt and the letter),
    //: which no other caption nor recolouring key of your language may
    //: use. Where captions have no Latin letters, the key follows in
    //: brackets ("新建(&N)"). The tooltip names the same key.
    button(NewButton, translatable("Window", "&New"), {1080, 1800, 2415, 615}, kOrange,
           kCommandFont, 8),
    //: A button's caption, with its access key after &; see "&New".
    button(CalculateButton, translatable("Window", "&Calculate"), {3760, 1800, 2175, 615}, kMagenta,
           kCommandFont, 6),
    ControlLayout{.control = Copyright,
                  .kind = ControlKind::Label,
                  .caption = identity::kCopyright,
                  .geometry = {2880, 2760, 3135, 255},
                  .foreground = kButtonText,
                  .tabIndex = 17},
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
