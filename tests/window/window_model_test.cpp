// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/window_model.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "identity.h"
#include "window/layout.h"

namespace vorlix::window {
namespace {

using enum Control;

TEST(WindowModel, StartsAsTheLayoutSays) {
  const WindowModel window{english()};
  EXPECT_EQ(window.caption(Window), "Vorlix " + std::string(identity::kVersion));
  EXPECT_EQ(window.caption(OperatorLabel), "+");
  EXPECT_EQ(window.caption(NewButton), "&New");
  EXPECT_FALSE(window.visible(ResultWhole));
  EXPECT_TRUE(window.visible(ResultNumerator));
  EXPECT_EQ(window.text(FirstNumerator), "");
  EXPECT_EQ(window.background(MultiplyButton), kButtonFace);
  EXPECT_EQ(window.focus(), FirstNumerator);
}

TEST(WindowModel, EachKindHoldsOnlyWhatItShows) {
  WindowModel window{english()};
  EXPECT_THROW(static_cast<void>(window.text(OperatorLabel)), std::logic_error);
  EXPECT_THROW(window.setText(CalculateButton, "1"), std::logic_error);
  EXPECT_THROW(static_cast<void>(window.caption(FirstNumerator)), std::logic_error);
  EXPECT_THROW(window.setFocus(EqualsLabel), std::logic_error);
  EXPECT_THROW(window.setFocus(Window), std::logic_error);
}

TEST(WindowModel, RefusedColourLeavesTheElementAsItWas) {
  WindowModel window{english()};
  EXPECT_FALSE(window.setBackground(EqualsLabel, -5));
  EXPECT_EQ(window.background(EqualsLabel), 255);
  EXPECT_TRUE(window.setBackground(EqualsLabel, kButtonFace));
  EXPECT_EQ(window.background(EqualsLabel), kButtonFace);
  // Transparent elements show the window and take no colour of their own.
  EXPECT_FALSE(window.setBackground(Copyright, 65280));
  window.setBackground(Window, 65280);
  EXPECT_EQ(window.background(Copyright), 65280);
}

// A listener hears every change once, and nothing for a value set again,
// so that a toolkit echoing a change back does not loop.
TEST(WindowModel, ReportsChangesOnly) {
  WindowModel window{english()};
  std::vector<std::pair<Control, Property>> heard;
  window.onChange(
      [&](Control control, Property property) { heard.emplace_back(control, property); });
  window.setText(SecondWhole, "7");
  window.setText(SecondWhole, "7");
  window.setCaption(OperatorLabel, "+");
  window.setVisible(ResultWhole, true);
  window.setBackground(Window, 255);
  window.setBackground(Window, 65535);
  // The focus is a request: the toolkit may have moved it since.
  window.setFocus(FirstNumerator);
  EXPECT_EQ(heard, (std::vector<std::pair<Control, Property>>{{SecondWhole, Property::Text},
                                                              {ResultWhole, Property::Visible},
                                                              {Window, Property::Background},
                                                              {FirstNumerator, Property::Focus}}));
}

}  // namespace
}  // namespace vorlix::window
