#include "window/commands.h"

#include <gtest/gtest.h>

#include "window/memory_form.h"

namespace vorlix::window {
namespace {

using enum ControlName;

class Commands : public ::testing::Test {
 protected:
  void enter(const char* lt, const char* lb, const char* rt, const char* rb) {
    const char* texts[] = {lt, lb, rt, rb};
    for (std::int16_t i = 0; i < 4; ++i) form.setText(member(Text1, i), texts[i]);
  }
  std::string result() const {
    std::string text;
    for (std::int16_t i = 0; i < 3; ++i) {
      text += form.text(member(Text2, i)) + (form.visible(member(Text2, i)) ? "+ " : "- ");
    }
    return text;
  }

  MemoryForm form;
  Form1Commands commands{form};
};

TEST_F(Commands, CalculateAddsUntilAnOperatorIsChosen) {
  enter("1", "4", "1", "4");
  commands.Command1_Click(0);
  EXPECT_EQ(result(), "0- 1+ 2+ ");
}

TEST_F(Commands, OperatorChoiceEmptiesTheResultAndSetsTheLabel) {
  enter("3", "4", "3", "4");
  form.setText(member(Text1, 4), "2");
  commands.Command1_Click(0);
  ASSERT_EQ(result(), "3+ 1+ 2+ ");
  form.setFocus(member(Text1, 2));

  commands.cmdOp_Click(2);
  EXPECT_EQ(form.caption(single(Label1)), "x");
  EXPECT_EQ(result(), "+ + + ");  // texts gone, visibility as it was
  EXPECT_EQ(form.text(member(Text1, 4)), "2");
  EXPECT_EQ(form.focused(), member(Text1, 2));

  commands.Command1_Click(0);
  EXPECT_EQ(result(), "2+ 1+ 16+ ");  // 11/4 x 3/4 = 33/16
}

TEST_F(Commands, EachOperatorButtonCarriesItsCaption) {
  const char* captions[] = {"-", "+", "x", "/"};
  for (std::int16_t i = 0; i < 4; ++i) {
    commands.cmdOp_Click(i);
    EXPECT_EQ(form.caption(single(Label1)), captions[i]);
  }
}

TEST_F(Commands, NewEmptiesEveryBoxButKeepsOperatorAndVisibility) {
  commands.cmdOp_Click(2);
  enter("7", "2", "7", "2");
  form.setText(member(Text1, 4), "1");
  form.setText(member(Text1, 5), "1");
  commands.Command1_Click(0);
  form.setFocus(member(Text1, 3));

  commands.Command1_Click(1);
  for (std::int16_t i = 0; i < 6; ++i) EXPECT_EQ(form.text(member(Text1, i)), "") << i;
  EXPECT_EQ(result(), "+ + + ");
  EXPECT_EQ(form.caption(single(Label1)), "x");
  EXPECT_EQ(form.focused(), member(Text1, 0));
}

TEST_F(Commands, OtherIndicesDoNothing) {
  enter("1", "2", "1", "2");
  for (const std::int16_t index :
       {std::int16_t{2}, std::int16_t{-1}, std::int16_t{32767}, std::int16_t{-32768}}) {
    commands.Command1_Click(index);
    EXPECT_EQ(result(), "- + + ") << index;
    EXPECT_EQ(form.text(member(Text1, 0)), "1") << index;
    EXPECT_TRUE(form.messages().empty()) << index;
  }
}

}  // namespace
}  // namespace vorlix::window
