#include <gtest/gtest.h>

#include "calc/recording_view.h"
#include "case_name.h"

// The command around the arithmetic: presence test, conversion order, the
// operator dispatch and what a failed run leaves on the window.
namespace vorlix::calc {
namespace {

using testing::RecordingView;

constexpr const char* kTooBig = R"(message "Sorry that number is to big for me.")";
constexpr const char* kTypeMismatch = R"(message "13  Type mismatch")";
constexpr const char* kMissing = R"(message "Fractions missing")";

struct BoxesCase {
  const char* name;
  // Text1(0) .. Text1(5): numerator 1, denominator 1, numerator 2,
  // denominator 2, whole part 1, whole part 2.
  std::array<std::string, 6> boxes;
  const char* shown;
};

std::ostream& operator<<(std::ostream& out, const BoxesCase& c) { return out << c.name; }

class CalculateBoxes : public ::testing::TestWithParam<BoxesCase> {};

TEST_P(CalculateBoxes, FirstFailingBoxDecides) {
  const BoxesCase& c = GetParam();
  RecordingView view;
  view.entries = c.boxes;
  view.calculate();
  EXPECT_EQ(view.outcome(), c.shown);
}

const BoxesCase kBoxes[] = {
    {"numerator_missing", {"", "2", "1", "2", "", ""}, kMissing},
    {"second_numerator_missing_hides_overflow", {"40000", "2", "", "2", "", ""}, kMissing},
    {"letters_in_whole_part_not_reached", {"1", "", "1", "2", "abc", ""}, kMissing},
    {"whole_parts_may_be_empty", {"1", "4", "1", "4", "", ""}, R"(result "0" "1" "2" visible 1 2)"},
    {"largest_numerator", {"32767", "1", "0", "1", "", ""}, R"(result "32767" "0" "1" visible 0)"},
    {"numerator_too_big", {"32768", "1", "0", "1", "", ""}, kTooBig},
    {"whole_part_too_big", {"1", "2", "1", "2", "", "32768"}, kTooBig},
    {"first_box_in_order_decides", {"x", "40000", "1", "2", "", ""}, kTypeMismatch},
    {"denominator_before_numerator_two", {"1", "40000", "x", "2", "", ""}, kTooBig},
    {"fractions_before_whole_parts", {"1", "2", "1", "y", "40000", ""}, kTypeMismatch},
    {"whole_one_before_whole_two", {"1", "2", "1", "2", "40000", "z"}, kTooBig},
    {"whole_two_converted_too", {"1", "2", "1", "2", "", "z"}, kTypeMismatch},
    {"blank_whole_part_is_not_empty", {"1", "2", "1", "2", " ", ""}, kTypeMismatch},
    {"left_fold_overflows", {"1", "200", "1", "2", "200", "1"}, kTooBig},
    {"right_fold_overflows", {"1", "2", "1", "200", "", "200"}, kTooBig},
    {"leading_zeros",
     {"0003", "04", "003", "0004", "00", "0"},
     R"(result "1" "1" "2" visible 0 1 2)"},
};

INSTANTIATE_TEST_SUITE_P(Boxes, CalculateBoxes, ::testing::ValuesIn(kBoxes),
                         vorlix::testing::CaseName{});

TEST(Calculate, UnknownOperatorOnlyResetsVisibility) {
  for (const char* caption : {"X", "*", "", "+ ", "\xC3\x97"}) {
    RecordingView view;
    testing::enterSum(view, "1/2 + 1/2");
    view.op = caption;
    view.results = {"7", "8", "9"};
    view.visible = {true, false, false};
    view.calculate();
    EXPECT_EQ(view.outcome(), R"(result "7" "8" "9" visible 1 2)") << "caption " << caption;
  }
}

TEST(Calculate, FailedRunKeepsThePreviousResultTexts) {
  RecordingView view;
  testing::enterSum(view, "2/3 + 1 2/3");
  view.calculate();
  ASSERT_EQ(view.outcome(), R"(result "2" "1" "3" visible 0 1 2)");

  view.entries[0] = "40000";
  view.calculate();
  EXPECT_EQ(view.messages, std::vector<std::string>{"Sorry that number is to big for me."});
  EXPECT_EQ(view.results, (std::array<std::string, 3>{"2", "1", "3"}));
  EXPECT_EQ(view.visible, (std::array<bool, 3>{false, true, true}));
}

TEST(Calculate, MissingFractionsAlsoResetsVisibility) {
  RecordingView view;
  view.visible = {true, false, false};
  view.calculate();
  EXPECT_EQ(view.messages, std::vector<std::string>{"Fractions missing"});
  EXPECT_EQ(view.visible, (std::array<bool, 3>{false, true, true}));
}

TEST(Calculate, NeverChangesTheEntryBoxes) {
  RecordingView view;
  testing::enterSum(view, "007 1/2 x 2/3");
  const auto before = view.entries;
  view.calculate();
  EXPECT_EQ(view.entries, before);
}

}  // namespace
}  // namespace vorlix::calc
