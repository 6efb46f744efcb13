#include <gtest/gtest.h>

#include "window/commands.h"
#include "window/memory_form.h"

namespace vorlix::window {
namespace {

using enum ControlName;

std::int16_t filtered(std::int16_t index, std::int16_t code) {
  MemoryForm form;
  Form1Commands commands(form);
  commands.Text1_KeyPress(index, code);
  return code;
}

TEST(KeyFilter, DigitsAndBackspacePassInEveryBox) {
  for (std::int16_t box = 0; box < 6; ++box) {
    for (std::int16_t code = '0'; code <= '9'; ++code) {
      EXPECT_EQ(filtered(box, code), code) << "box " << box << " code " << code;
    }
    EXPECT_EQ(filtered(box, kKeyBackspace), kKeyBackspace) << "box " << box;
  }
}

TEST(KeyFilter, EverythingElseIsCancelled) {
  const std::int16_t cancelled[] = {'/',
                                    ':',
                                    '-',
                                    '.',
                                    ' ',
                                    '+',
                                    'x',
                                    'a',
                                    'Z',
                                    27,
                                    1,
                                    3,
                                    9,
                                    10,
                                    22,
                                    26,
                                    31,
                                    127,
                                    0xB2 /* superscript two */,
                                    0x0663,
                                    0x3000,
                                    -1};
  for (std::int16_t box = 0; box < 6; ++box) {
    for (const std::int16_t code : cancelled) {
      EXPECT_EQ(filtered(box, code), 0) << "box " << box << " code " << code;
    }
  }
}

struct EnterCase {
  std::int16_t box;
  ControlRef focusAfter;
};

TEST(KeyFilter, EnterFollowsTheIndicesAndIsCancelled) {
  const EnterCase cases[] = {{0, member(Text1, 1)},
                             {1, member(Text1, 2)},
                             {2, member(Text1, 3)},
                             {4, member(Text1, 5)},
                             {5, member(Text1, 5)}};
  for (const EnterCase& c : cases) {
    MemoryForm form;
    form.setFocus(member(Text1, c.box));
    form.setText(member(Text1, c.box), "12");
    Form1Commands commands(form);
    std::int16_t code = kKeyEnter;
    commands.Text1_KeyPress(c.box, code);
    EXPECT_EQ(code, 0) << "box " << c.box;
    EXPECT_EQ(form.focused(), c.focusAfter) << "box " << c.box;
    EXPECT_EQ(form.text(member(Text1, c.box)), "12");
    EXPECT_TRUE(form.messages().empty());
  }
}

TEST(KeyFilter, EnterInTheLastDenominatorCalculatesAndKeepsTheKey) {
  MemoryForm form;
  Form1Commands commands(form);
  const char* boxes[] = {"3", "4", "3", "4"};
  for (std::int16_t i = 0; i < 4; ++i) form.setText(member(Text1, i), boxes[i]);
  form.setFocus(member(Text1, 3));
  std::int16_t code = kKeyEnter;
  commands.Text1_KeyPress(3, code);
  EXPECT_EQ(code, kKeyEnter);
  EXPECT_EQ(form.focused(), member(Text1, 3));
  EXPECT_EQ(form.text(member(Text2, 0)), "1");
  EXPECT_EQ(form.text(member(Text2, 1)), "1");
  EXPECT_EQ(form.text(member(Text2, 2)), "2");
  EXPECT_TRUE(form.visible(member(Text2, 0)));
}

TEST(KeyFilter, EnterWithAFractionMissingShowsTheMessageThenKeepsTheKey) {
  MemoryForm form;
  Form1Commands commands(form);
  std::int16_t code = kKeyEnter;
  commands.Text1_KeyPress(3, code);
  EXPECT_EQ(code, kKeyEnter);
  EXPECT_EQ(form.messages(), std::vector<std::string>{"Fractions missing"});
}

}  // namespace
}  // namespace vorlix::window
