// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/descriptions.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include "identity.h"
#include "window/layout.h"
#include "window/spoken_phrases.h"

namespace vorlix::window {
namespace {

using enum Control;

// A screen reader tells the nine boxes apart by their names alone.
TEST(Descriptions, EveryBoxHasANameOfItsOwn) {
  const WindowModel window{english()};
  std::set<std::string> names;
  for (const ControlLayout& layout : windowLayout()) {
    if (layout.kind != ControlKind::TextBox) continue;
    const std::string name = spokenName(window, layout.control, english());
    EXPECT_FALSE(name.empty()) << indexOf(layout.control);
    EXPECT_TRUE(names.insert(name).second) << name;
  }
  EXPECT_EQ(names.size(), 9u);
}

TEST(Descriptions, EveryShownElementIsDescribed) {
  for (const ControlLayout& layout : windowLayout()) {
    const bool drawn = layout.kind == ControlKind::Rectangle || layout.kind == ControlKind::Line;
    EXPECT_EQ(descriptionOf(layout.control).has_value(), !drawn) << indexOf(layout.control);
  }
}

TEST(Descriptions, OperatorsAreSpokenAsWords) {
  WindowModel window{english()};
  EXPECT_EQ(spokenName(window, OperatorLabel, english()), "operation: add");
  // The tooltip is a text of its own, capitalised as tooltips are.
  const std::tuple<Control, const char*, const char*> buttons[] = {
      {SubtractButton, "subtract", "Subtract"},
      {AddButton, "add", "Add"},
      {MultiplyButton, "multiply", "Multiply"},
      {DivideButton, "divide", "Divide"}};
  for (const auto& [button, word, toolTip] : buttons) {
    EXPECT_EQ(spokenName(window, button, english()), word);
    EXPECT_EQ(descriptionOf(button)->toolTip.source, toolTip);
    window.setCaption(OperatorLabel, window.caption(button));
    EXPECT_EQ(spokenName(window, OperatorLabel, english()), std::string("operation: ") + word);
  }
}

TEST(Descriptions, TheWindowIsNamedByItsTitle) {
  const WindowModel window{english()};
  EXPECT_EQ(spokenName(window, Window, english()), "Vorlix " + std::string(identity::kVersion));
}

// Only what is shown is spoken; a hidden box's text is not.
TEST(Descriptions, TheResultIsSpokenAsShown) {
  const std::pair<calc::ResultDisplay, const char*> rows[] = {
      {{{"3", true}, {"5", true}, {"6", true}}, "result: 3 and 5 over 6"},
      {{{"2", true}, {"0", false}, {"1", false}}, "result: 2"},
      {{{"0", false}, {"5", true}, {"6", true}}, "result: 5 over 6"},
      {{{"0", false}, {"0", false}, {"4", false}}, "result: 0"},
  };
  for (const auto& [shown, heard] : rows) EXPECT_EQ(spokenResult(shown, english()), heard);
}

}  // namespace
}  // namespace vorlix::window
