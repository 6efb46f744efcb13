#include "window/memory_form.h"

#include <gtest/gtest.h>

namespace vorlix::window {
namespace {

using enum ControlName;

TEST(MemoryForm, StartsAsTheLayoutSays) {
  const MemoryForm form;
  EXPECT_EQ(form.caption(single(Form1)), "Vorlix 1.1");
  EXPECT_EQ(form.caption(single(Label1)), "+");
  EXPECT_FALSE(form.visible(member(Text2, 0)));
  EXPECT_TRUE(form.visible(member(Text2, 1)));
  EXPECT_EQ(form.text(member(Text1, 0)), "");
  EXPECT_EQ(form.backColor(member(cmdOp, 2)), kButtonFace);
  EXPECT_EQ(form.focused(), member(Text1, 0));
}

TEST(MemoryForm, AnIndexWithoutAnElementIsAnError) {
  MemoryForm form;
  EXPECT_THROW(form.text(member(Text1, 6)), NoSuchControl);
  EXPECT_THROW(form.setText(member(Text2, 3), "1"), NoSuchControl);
  EXPECT_THROW(form.caption(member(cmdOp, -1)), NoSuchControl);
  EXPECT_THROW(form.setFocus(member(Text1, 32767)), NoSuchControl);
  EXPECT_THROW(form.backColor(member(Line1, 2)), NoSuchControl);
  EXPECT_NO_THROW(form.backColor(member(Line1, 6)));
  EXPECT_THROW(form.text(single(Label1)), NoSuchControl);
  EXPECT_THROW(form.caption(member(Text1, 0)), NoSuchControl);
}

TEST(MemoryForm, RefusedColourLeavesTheElementAsItWas) {
  MemoryForm form;
  EXPECT_FALSE(form.setBackColor(single(Label2), -5));
  EXPECT_EQ(form.backColor(single(Label2)), 255);
  EXPECT_TRUE(form.setBackColor(single(Label2), kButtonFace));
  EXPECT_EQ(form.backColor(single(Label2)), kButtonFace);
}

}  // namespace
}  // namespace vorlix::window
