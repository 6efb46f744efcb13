// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/calculation.h"

#include <gtest/gtest.h>

#include "case_name.h"
#include "result_text.h"
#include "written_sum.h"

// Whole calculations, from the six boxes and the operator to what is shown.
namespace vorlix::calc {
namespace {

struct SumCase {
  const char* name;
  const char* sum;  // as written: "1 1/2 + 2 1/3"; a fraction part may be empty: "/2"
  const char* shown;
};

std::ostream& operator<<(std::ostream& out, const SumCase& c) { return out << c.name; }

std::string shown(std::string_view written) {
  const auto sum = testing::parseSum(written);
  if (!sum) return "unreadable sum";
  return testing::describe(calculate(sum->input(), english()));
}

class Calculation : public ::testing::TestWithParam<SumCase> {};

TEST_P(Calculation, ShowsTheResultOrTheFirstFailure) {
  const SumCase& c = GetParam();
  EXPECT_EQ(shown(c.sum), c.shown) << c.sum;
}

constexpr const char* kTooBig = R"(message "Sorry that number is to big for me.")";
constexpr const char* kDivisionByZero = R"(message "11  Division by zero")";

const SumCase kMultiplication[] = {
    {"reduces_to_half", "2/3 x 3/4", R"(result "0" "1" "2" visible 1 2)"},
    {"improper_product", "7/2 x 7/2", R"(result "12" "1" "4" visible 0 1 2)"},
    {"folded_whole_parts", "1 1/2 x 1 1/2", R"(result "2" "1" "4" visible 0 1 2)"},
    {"zero_numerator", "0/1 x 1/2", R"(result "0" "0" "2" visible none)"},
    {"largest_square", "181/1 x 181/1", R"(result "32761" "0" "1" visible 0)"},
    {"numerator_overflow", "182/1 x 181/1", kTooBig},
    {"denominator_overflow_first", "1/200 x 1/200", kTooBig},
    {"zero_left_denominator", "1/0 x 1/2", kDivisionByZero},
    {"zero_right_denominator", "1/2 x 3/0", kDivisionByZero},
    {"zero_over_zero", "0/0 x 1/1", kDivisionByZero},
    {"conversion_overflow_before_zero", "1/0 x 40000/200", kTooBig},
};

const SumCase kDivision[] = {
    {"whole_result", "1/2 / 1/4", R"(result "2" "0" "2" visible 0)"},
    {"one_and_a_half", "3/4 / 1/2", R"(result "1" "1" "2" visible 0 1 2)"},
    {"reduced_remainder", "2/3 / 4/9", R"(result "1" "1" "2" visible 0 1 2)"},
    {"zero_dividend", "0/1 / 1/2", R"(result "0" "0" "1" visible none)"},
    {"zero_divisor", "1/2 / 0/3", kDivisionByZero},
    {"zero_left_denominator", "1/0 / 1/2", kDivisionByZero},
    {"divisor_without_value", "1/2 / 1/0", kDivisionByZero},
    {"folded_divisor_without_value", "2 1/3 / 1 5/0", kDivisionByZero},
    {"divisor_without_value_before_overflow", "1/200 / 200/0", kDivisionByZero},
    {"conversion_before_divisor_check", "1/2 / 40000/0", kTooBig},
};

const SumCase kAddition[] = {
    {"three_quarters_twice", "3/4 + 3/4", R"(result "1" "1" "2" visible 0 1 2)"},
    {"quarters", "1/4 + 1/4", R"(result "0" "1" "2" visible 1 2)"},
    {"divisor_nine", "1/3 + 1/6", R"(result "0" "1" "2" visible 1 2)"},
    {"two_divisors", "5/6 + 5/6", R"(result "1" "2" "3" visible 0 1 2)"},
    {"folded_whole_parts", "1 1/2 + 2 1/3", R"(result "3" "5" "6" visible 0 1 2)"},
    {"whole_zero_like_empty", "0 1/2 + 0 1/3", R"(result "0" "5" "6" visible 1 2)"},
    {"halves_make_one", "1/2 + 1/2", R"(result "1" "0" "4" visible 0)"},
    {"one_pass_only", "1/64 + 1/64", R"(result "0" "2" "64" visible 1 2)"},
    {"factor_above_nine", "1/11 + 1/11", R"(result "0" "22" "121" visible 1 2)"},
    {"largest_common_denominator", "1/181 + 1/181", R"(result "0" "362" "32761" visible 1 2)"},
    {"common_denominator_overflow", "1/182 + 1/181", kTooBig},
    {"overflow_though_sum_small", "1/200 + 1/200", kTooBig},
    {"scaled_numerator_overflow", "3/2 + 1/16000", kTooBig},
    {"largest_sum", "32766/1 + 1/1", R"(result "32767" "0" "1" visible 0)"},
    {"sum_overflow", "32767/1 + 1/1", kTooBig},
    {"zero_left_denominator", "1/0 + 1/2", kDivisionByZero},
    {"zero_over_zero", "0/0 + 1/1", kDivisionByZero},
    {"folding_exactly_at_limit", "163 167/200 + 0/1", R"(result "163" "167" "200" visible 0 1 2)"},
    {"folding_sum_overflow", "163 168/200 + 0/1", kTooBig},
    {"folding_product_overflow", "200 1/200 + 0/1", kTooBig},
};

const SumCase kSubtraction[] = {
    {"no_sign_when_negative", "1/4 - 3/4", R"(result "0" "1" "2" visible 1 2)"},
    {"same_size_when_positive", "3/4 - 1/4", R"(result "0" "1" "2" visible 1 2)"},
    {"equal_operands", "1/2 - 1/2", R"(result "0" "0" "4" visible none)"},
    {"zero_right_denominator", "1/2 - 1/0", kDivisionByZero},
    {"whole_parts", "3 1/2 - 1 1/4", R"(result "2" "1" "4" visible 0 1 2)"},
    {"largest_difference", "32767/1 - 0/1", R"(result "32767" "0" "1" visible 0)"},
};

constexpr const char* kTypeMismatch = R"(message "13  Type mismatch")";
constexpr const char* kMissing = R"(message "Fractions missing")";

// Which box decides when several would fail: presence before conversion,
// then numerator 1, denominator 1, numerator 2, denominator 2, whole part 1,
// whole part 2, then folding.
const SumCase kOrderOfFailures[] = {
    {"numerator_missing", "/2 + 1/2", kMissing},
    {"second_numerator_missing_hides_overflow", "40000/2 + /2", kMissing},
    {"letters_in_whole_part_not_reached", "abc 1/ + 1/2", kMissing},
    {"largest_numerator", "32767/1 + 0/1", R"(result "32767" "0" "1" visible 0)"},
    {"numerator_too_big", "32768/1 + 0/1", kTooBig},
    {"whole_part_too_big", "1/2 + 32768 1/2", kTooBig},
    {"first_box_in_order_decides", "x/40000 + 1/2", kTypeMismatch},
    {"denominator_before_numerator_two", "1/40000 + x/2", kTooBig},
    {"fractions_before_whole_parts", "40000 1/2 + 1/y", kTypeMismatch},
    {"whole_one_before_whole_two", "40000 1/2 + z 1/2", kTooBig},
    {"whole_two_converted_too", "1/2 + z 1/2", kTypeMismatch},
    {"left_fold_overflows", "200 1/200 + 1 1/2", kTooBig},
    {"right_fold_overflows", "1/2 + 200 1/200", kTooBig},
    {"leading_zeros", "00 0003/04 + 0 003/0004", R"(result "1" "1" "2" visible 0 1 2)"},
    {"unknown_operator_does_nothing", "1/2 X 1/2", "nothing"},
    {"operator_compared_exactly", "1/2 * 1/2", "nothing"},
    {"unknown_operator_after_conversion", "1/2 X 1/x", kTypeMismatch},
};

constexpr vorlix::testing::CaseName caseName;
INSTANTIATE_TEST_SUITE_P(Multiply, Calculation, ::testing::ValuesIn(kMultiplication), caseName);
INSTANTIATE_TEST_SUITE_P(Divide, Calculation, ::testing::ValuesIn(kDivision), caseName);
INSTANTIATE_TEST_SUITE_P(Add, Calculation, ::testing::ValuesIn(kAddition), caseName);
INSTANTIATE_TEST_SUITE_P(Subtract, Calculation, ::testing::ValuesIn(kSubtraction), caseName);
INSTANTIATE_TEST_SUITE_P(Order, Calculation, ::testing::ValuesIn(kOrderOfFailures), caseName);

// A blank is not an empty box: it reaches the conversion and fails there.
TEST(Calculation, BlankWholePartIsNotEmpty) {
  auto sum = testing::parseSum("1/2 + 1/2");
  ASSERT_TRUE(sum);
  sum->first.whole = " ";
  EXPECT_EQ(testing::describe(calculate(sum->input(), english())), kTypeMismatch);
}

}  // namespace
}  // namespace vorlix::calc
