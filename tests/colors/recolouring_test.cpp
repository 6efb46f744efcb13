// SPDX-License-Identifier: GPL-3.0-or-later
#include "colors/recolouring.h"

#include <gtest/gtest.h>

#include "colors/palette.h"
#include "window/layout.h"

namespace vorlix::colors {
namespace {

using enum window::Control;

class Recolour : public ::testing::Test {
 protected:
  window::Colour rightClick(window::Control element) {
    recolouring.recolour(element);
    return window.background(element);
  }

  window::WindowModel window{english()};
  Recolouring recolouring{window, english()};
};

TEST_F(Recolour, EachGroupStepsOneToEightThenZero) {
  for (const window::Control element : {Window, OperatorLabel, EqualsLabel, SecondDenominator,
                                        ResultNumerator, SubtractButton, NewButton}) {
    for (const std::size_t entry : {1U, 2U, 3U, 4U, 5U, 6U, 7U, 8U, 0U, 1U}) {
      EXPECT_EQ(rightClick(element), kPalette[entry]) << "element " << window::indexOf(element);
    }
  }
}

TEST_F(Recolour, ArrayMembersShareOneCounterAndGroupsAreIndependent) {
  EXPECT_EQ(rightClick(FirstNumerator), 65535);
  EXPECT_EQ(rightClick(SecondWhole), 16711680);
  EXPECT_EQ(rightClick(ResultDenominator), 65535);
  EXPECT_EQ(rightClick(DivideButton), 65535);
  EXPECT_EQ(rightClick(CalculateButton), 65535);
  EXPECT_EQ(rightClick(EqualsLabel), 65535);
  EXPECT_EQ(rightClick(OperatorLabel), 65535);
  EXPECT_EQ(rightClick(FirstDenominator), 33023);
}

TEST_F(Recolour, TheCopyrightKeepsItsColourAndCountsNothing) {
  rightClick(Copyright);
  EXPECT_EQ(window.background(Window), 255);
  EXPECT_EQ(rightClick(Window), 65535);
}

// A screen reader hears the element and the colour it has just been given,
// the window and the signs by what a user sees of them.
TEST_F(Recolour, EachRecolouringIsAnnounced) {
  std::vector<std::string> heard;
  recolouring.onAnnouncement([&](const std::string& phrase) { heard.push_back(phrase); });
  for (const auto element : {FirstNumerator, Window, OperatorLabel, Copyright}) rightClick(element);
  EXPECT_EQ(heard,
            (std::vector<std::string>{"first number, numerator: yellow",
                                      "window background: yellow", "operator sign: yellow"}));
}

TEST_F(Recolour, TheNextEntryIgnoresTheCurrentColour) {
  window.setBackground(EqualsLabel, 8388736);
  EXPECT_EQ(rightClick(EqualsLabel), 65535);
}

// Whatever a right-click gives an element, its text reads at 4.5:1 or more,
// in a light theme (black system text) and a dark one (near-white).
TEST(Palette, EveryColourKeepsEveryElementsTextReadable) {
  for (const window::Rgb themeText : {window::Rgb{0, 0, 0}, window::Rgb{238, 238, 236}}) {
    for (const window::ControlLayout& element : window::windowLayout()) {
      if (!colourGroupOf(element.control)) continue;
      const window::Rgb text = window::rgbOf(element.foreground).value_or(themeText);
      for (const window::Colour colour : kPalette) {
        const window::Rgb background = *window::rgbOf(colour);
        EXPECT_GE(contrastRatio(readableTextColour(text, background), background), 4.5)
            << "element " << window::indexOf(element.control) << " on " << colour
            << " with theme text " << int{themeText.red};
      }
    }
  }
}

}  // namespace
}  // namespace vorlix::colors
