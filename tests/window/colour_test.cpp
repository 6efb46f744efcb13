// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/colour.h"

#include <gtest/gtest.h>

namespace vorlix::window {
namespace {

TEST(Colour, SystemColoursHaveTheValuesSettingsFilesHold) {
  EXPECT_EQ(kButtonFace, -2147483633);
  EXPECT_EQ(kButtonText, -2147483630);
  EXPECT_EQ(kWindowText, -2147483640);
  EXPECT_EQ(systemRoleOf(kButtonFace), SystemRole::ButtonFace);
}

TEST(Colour, WhichValuesAreColours) {
  struct Case {
    Colour value;
    bool valid;
  };
  const Case cases[] = {
      {0, true},
      {255, true},
      {0x00FFFFFF, true},
      {-2147483633, true},                        // button face
      {static_cast<Colour>(0x80000018u), true},   // the last role
      {static_cast<Colour>(0x80000019u), false},  // no such role
      {static_cast<Colour>(0x80000100u), false},  // bits beside the role
      {0x01000000, false},
      {-1, false},
      {-5, false},
      {static_cast<Colour>(0x7F000000), false},
  };
  for (const Case& c : cases) EXPECT_EQ(isValidColour(c.value), c.valid) << c.value;
}

TEST(Colour, ChannelsAreRedLowBlueHigh) {
  const auto channels = rgbOf(rgb(255, 128, 0));
  ASSERT_TRUE(channels);
  EXPECT_EQ(rgb(255, 128, 0), 33023);
  EXPECT_EQ(channels->red, 255);
  EXPECT_EQ(channels->green, 128);
  EXPECT_EQ(channels->blue, 0);
}

}  // namespace
}  // namespace vorlix::window

namespace vorlix::window {
namespace {

bool operator==(Rgb a, Rgb b) { return a.red == b.red && a.green == b.green && a.blue == b.blue; }

TEST(Colour, ContrastFollowsWcag) {
  EXPECT_NEAR(contrastRatio({0, 0, 0}, {255, 255, 255}), 21.0, 1e-9);
  EXPECT_NEAR(contrastRatio({255, 255, 255}, {255, 255, 255}), 1.0, 1e-9);
  EXPECT_NEAR(contrastRatio({255, 0, 0}, {0, 0, 0}), 5.25, 0.01);
}

// Text below 4.5:1 turns black or white, whichever reads better; every
// readable pairing keeps its colour, so a light theme looks as it did.
TEST(Colour, TextStaysReadableInADarkTheme) {
  struct Case {
    const char* name;
    Rgb text;
    Rgb background;
    Rgb drawn;
  };
  const Case cases[] = {
      {"dark theme text on light cyan", {238, 238, 236}, {128, 255, 255}, {0, 0, 0}},
      {"dark theme text on magenta", {238, 238, 236}, {255, 0, 255}, {0, 0, 0}},
      {"dark theme text on dark button", {238, 238, 236}, {53, 53, 53}, {238, 238, 236}},
      {"light theme text on light cyan", {0, 0, 0}, {128, 255, 255}, {0, 0, 0}},
      {"black on purple turns white", {0, 0, 0}, {128, 0, 128}, {255, 255, 255}},
      {"black on red stays black", {0, 0, 0}, {255, 0, 0}, {0, 0, 0}},
      {"white on blue reads better than black", {255, 255, 255}, {0, 0, 255}, {255, 255, 255}},
  };
  for (const Case& c : cases)
    EXPECT_TRUE(readableTextColour(c.text, c.background) == c.drawn) << c.name;
}

// The focus ring changes what it covers by 3:1 or more; where black and
// white both do, it stands apart from the control.
TEST(Colour, FocusRingChangesItsSurroundAndStandsApartFromTheControl) {
  constexpr Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255}, kBlue{0, 0, 255}, kYellow{255, 255, 0};
  EXPECT_TRUE(focusRingColour(kBlue, {255, 0, 0}) == kWhite) << "blue box on red";
  EXPECT_TRUE(focusRingColour(kBlue, kYellow) == kBlack) << "blue box on yellow";
  EXPECT_TRUE(focusRingColour(kYellow, {128, 0, 128}) == kWhite) << "yellow box on purple";
}

}  // namespace
}  // namespace vorlix::window
