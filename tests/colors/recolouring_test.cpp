#include <gtest/gtest.h>

#include "colors/form1_colors.h"
#include "colors/memory_store.h"
#include "window/memory_form.h"

namespace vorlix::colors {
namespace {

using window::ControlName;
using window::ControlRef;
using window::member;
using window::single;

constexpr window::Color kPalette[] = {255,      65535,    16711680, 33023,  65280,
                                      16711935, 16744576, 8454016,  8388736};

class Recolour : public ::testing::Test {
 protected:
  void SetUp() override { colours.Form_Load(); }
  window::Color rightClick(ControlRef element) {
    colours.mouseUp(element, kRightButton);
    return form.backColor(element);
  }

  window::MemoryForm form;
  testing::MemoryStore store;
  Form1Colors colours{form, store};
};

TEST_F(Recolour, EachGroupStepsOneToEightThenZero) {
  const ControlRef groups[] = {single(ControlName::Form1),      single(ControlName::Label1),
                               single(ControlName::Label2),     member(ControlName::Text1, 3),
                               member(ControlName::Text2, 1),   member(ControlName::cmdOp, 0),
                               member(ControlName::Command1, 1)};
  for (const ControlRef element : groups) {
    for (const int entry : {1, 2, 3, 4, 5, 6, 7, 8, 0, 1}) {
      EXPECT_EQ(rightClick(element), kPalette[entry]) << window::toString(element);
    }
  }
}

TEST_F(Recolour, ArrayMembersShareOneCounterAndGroupsAreIndependent) {
  EXPECT_EQ(rightClick(member(ControlName::Text1, 0)), 65535);
  EXPECT_EQ(rightClick(member(ControlName::Text1, 5)), 16711680);
  EXPECT_EQ(rightClick(member(ControlName::Text2, 2)), 65535);
  EXPECT_EQ(rightClick(member(ControlName::cmdOp, 3)), 65535);
  EXPECT_EQ(rightClick(member(ControlName::Command1, 0)), 65535);
  EXPECT_EQ(rightClick(single(ControlName::Label2)), 65535);
  EXPECT_EQ(rightClick(single(ControlName::Label1)), 65535);
  EXPECT_EQ(rightClick(member(ControlName::Text1, 1)), 33023);
}

TEST_F(Recolour, OtherButtonsNeitherRecolourNorAdvance) {
  for (const std::int16_t button : {std::int16_t{1}, std::int16_t{4}, std::int16_t{0}}) {
    colours.mouseUp(single(ControlName::Label1), button);
    EXPECT_EQ(form.backColor(single(ControlName::Label1)), 255) << "button " << button;
  }
  EXPECT_EQ(rightClick(single(ControlName::Label1)), 65535);
}

TEST_F(Recolour, DrawnShapesAreTheWindowAndTheCopyrightIsInert) {
  EXPECT_EQ(rightClick(single(ControlName::Shape1)), 65535);  // transparent: the window shows
  EXPECT_EQ(form.backColor(single(ControlName::Form1)), 65535);
  rightClick(member(ControlName::Line1, 6));
  EXPECT_EQ(form.backColor(single(ControlName::Form1)), 16711680);
  rightClick(single(ControlName::lblCopyright));
  EXPECT_EQ(form.backColor(single(ControlName::Form1)), 16711680);
  EXPECT_EQ(rightClick(single(ControlName::Form1)), 33023);
}

TEST_F(Recolour, TheNextEntryIgnoresTheCurrentColour) {
  form.setBackColor(single(ControlName::Label2), 8388736);
  EXPECT_EQ(rightClick(single(ControlName::Label2)), 65535);
}

}  // namespace
}  // namespace vorlix::colors
