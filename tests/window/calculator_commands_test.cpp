// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/calculator_commands.h"

#include <gtest/gtest.h>

#include "recorded_messages.h"
#include "result_text.h"
#include "window/descriptions.h"

namespace vorlix::window {
namespace {

using enum Control;

class Commands : public ::testing::Test {
 protected:
  // The four fraction boxes, in the order numerator 1, denominator 1,
  // numerator 2, denominator 2.
  void enter(const char* n1, const char* d1, const char* n2, const char* d2) {
    window.setText(FirstNumerator, n1);
    window.setText(FirstDenominator, d1);
    window.setText(SecondNumerator, n2);
    window.setText(SecondDenominator, d2);
  }
  std::string result() const {
    const auto box = [&](Control c) { return calc::BoxContent{window.text(c), window.visible(c)}; };
    return vorlix::testing::describe(
        calc::ResultDisplay{box(ResultWhole), box(ResultNumerator), box(ResultDenominator)});
  }
  KeyVerdict type(Control box, CharacterCode code) { return commands.filterTypedKey(box, code); }

  WindowModel window{english()};
  testing::RecordedMessages messages;
  CalculatorCommands commands{window, messages, english()};
};

TEST_F(Commands, CalculateAddsUntilAnOperatorIsChosen) {
  enter("1", "4", "1", "4");
  commands.clickButton(CalculateButton);
  EXPECT_EQ(result(), R"(result "0" "1" "2" visible 1 2)");
}

TEST_F(Commands, OperatorChoiceEmptiesTheResultAndSetsTheLabel) {
  enter("3", "4", "3", "4");
  window.setText(FirstWhole, "2");
  commands.calculate();
  ASSERT_EQ(result(), R"(result "3" "1" "2" visible 0 1 2)");
  window.setFocus(SecondNumerator);

  commands.clickButton(MultiplyButton);
  EXPECT_EQ(window.caption(OperatorLabel), "x");
  EXPECT_EQ(result(), R"(result "" "" "" visible 0 1 2)");  // texts gone, visibility kept
  EXPECT_EQ(window.text(FirstWhole), "2");
  EXPECT_EQ(window.focus(), SecondNumerator);

  commands.calculate();
  EXPECT_EQ(result(), R"(result "2" "1" "16" visible 0 1 2)");  // 11/4 x 3/4 = 33/16
}

TEST_F(Commands, EachOperatorButtonCarriesItsCaption) {
  const std::pair<Control, const char*> buttons[] = {
      {SubtractButton, "-"}, {AddButton, "+"}, {MultiplyButton, "x"}, {DivideButton, "/"}};
  for (const auto& [button, caption] : buttons) {
    commands.clickButton(button);
    EXPECT_EQ(window.caption(OperatorLabel), caption);
  }
}

TEST_F(Commands, NewEmptiesEveryBoxButKeepsOperatorAndVisibility) {
  commands.chooseOperator(MultiplyButton);
  enter("7", "2", "7", "2");
  window.setText(FirstWhole, "1");
  window.setText(SecondWhole, "1");
  commands.calculate();
  window.setFocus(SecondDenominator);

  commands.clickButton(NewButton);
  for (const Control box : kEntryOrder) EXPECT_EQ(window.text(box), "");
  EXPECT_EQ(result(), R"(result "" "" "" visible 0 1 2)");
  EXPECT_EQ(window.caption(OperatorLabel), "x");
  EXPECT_EQ(window.focus(), FirstNumerator);
}

// A failed run hides the whole part, shows the fraction boxes and keeps
// every text: the last result's and the user's own.
TEST_F(Commands, FailedRunKeepsTheTexts) {
  enter("2", "3", "2", "3");
  window.setText(FirstWhole, "1");
  commands.calculate();
  ASSERT_EQ(result(), R"(result "2" "1" "3" visible 0 1 2)");

  window.setText(SecondNumerator, "20000");
  commands.calculate();
  EXPECT_EQ(messages.texts, std::vector<std::string>{"Sorry that number is to big for me."});
  EXPECT_EQ(result(), R"(result "2" "1" "3" visible 1 2)");
  EXPECT_EQ(window.text(SecondNumerator), "20000");
}

TEST_F(Commands, UnknownOperatorOnlyResetsVisibility) {
  enter("1", "2", "1", "2");
  window.setVisible(ResultWhole, true);
  window.setVisible(ResultNumerator, false);
  window.setCaption(OperatorLabel, "X");
  commands.calculate();
  EXPECT_EQ(result(), R"(result "" "" "" visible 1 2)");
  EXPECT_TRUE(messages.texts.empty());
}

TEST_F(Commands, DigitsAndBackspacePassInEveryEntryBox) {
  for (const Control box : kEntryOrder) {
    for (CharacterCode code = '0'; code <= '9'; ++code) {
      EXPECT_EQ(type(box, code), KeyVerdict::Pass) << "code " << code;
    }
    EXPECT_EQ(type(box, kBackspace), KeyVerdict::Pass);
  }
}

TEST_F(Commands, EverythingElseIsCancelled) {
  const CharacterCode cancelled[] = {'/',
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
  for (const Control box : kEntryOrder) {
    for (const CharacterCode code : cancelled) {
      EXPECT_EQ(type(box, code), KeyVerdict::Cancel) << "code " << code;
    }
  }
}

// Enter walks the entry boxes in their order, not their places: from the
// first whole part it goes to the second, and from there nowhere.
TEST_F(Commands, EnterMovesOnAndIsCancelled) {
  const std::pair<Control, Control> moves[] = {{FirstNumerator, FirstDenominator},
                                               {FirstDenominator, SecondNumerator},
                                               {SecondNumerator, SecondDenominator},
                                               {FirstWhole, SecondWhole},
                                               {SecondWhole, SecondWhole}};
  for (const auto& [from, to] : moves) {
    window.setFocus(from);
    window.setText(from, "12");
    EXPECT_EQ(type(from, kEnter), KeyVerdict::Cancel);
    EXPECT_EQ(window.focus(), to);
    EXPECT_EQ(window.text(from), "12");
  }
  EXPECT_TRUE(messages.texts.empty());
}

// The result is announced; a message box speaks for itself.
TEST_F(Commands, EnterInTheSecondDenominatorCalculatesAndPasses) {
  std::vector<std::string> heard;
  commands.onAnnouncement([&heard](const std::string& phrase) { heard.push_back(phrase); });
  enter("3", "4", "3", "4");
  window.setFocus(SecondDenominator);
  EXPECT_EQ(type(SecondDenominator, kEnter), KeyVerdict::Pass);
  EXPECT_EQ(window.focus(), SecondDenominator);
  EXPECT_EQ(result(), R"(result "1" "1" "2" visible 0 1 2)");

  window.setText(FirstNumerator, "");
  EXPECT_EQ(type(SecondDenominator, kEnter), KeyVerdict::Pass);
  EXPECT_EQ(messages.texts, std::vector<std::string>{"Fractions missing"});
  EXPECT_EQ(heard, std::vector<std::string>{"result: 1 and 1 over 2"});
}

TEST_F(Commands, EnterOnAFocusedButtonPressesItAndOtherKeysPass) {
  enter("1", "4", "1", "4");
  EXPECT_EQ(commands.filterButtonKey(MultiplyButton, ' '), KeyVerdict::Pass);
  EXPECT_EQ(window.caption(OperatorLabel), "+");
  EXPECT_EQ(commands.filterButtonKey(MultiplyButton, kEnter), KeyVerdict::Cancel);
  EXPECT_EQ(commands.filterButtonKey(CalculateButton, kEnter), KeyVerdict::Cancel);
  EXPECT_EQ(result(), R"(result "0" "1" "16" visible 1 2)");
}

}  // namespace
}  // namespace vorlix::window
