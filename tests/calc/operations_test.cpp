#include <gtest/gtest.h>

#include "calc/recording_view.h"
#include "case_name.h"

// Whole calculations, from the six boxes and the operator to what is shown.
namespace vorlix::calc {
namespace {

using testing::RecordingView;

struct SumCase {
  const char* name;
  const char* sum;  // as written: "1 1/2 + 2 1/3"
  const char* shown;
};

std::ostream& operator<<(std::ostream& out, const SumCase& c) { return out << c.name; }

class Operations : public ::testing::TestWithParam<SumCase> {};

TEST_P(Operations, ShowTheResult) {
  const SumCase& c = GetParam();
  RecordingView view;
  testing::enterSum(view, c.sum);
  view.calculate();
  EXPECT_EQ(view.outcome(), c.shown) << c.sum;
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

constexpr vorlix::testing::CaseName caseName;
INSTANTIATE_TEST_SUITE_P(Multiply, Operations, ::testing::ValuesIn(kMultiplication), caseName);
INSTANTIATE_TEST_SUITE_P(Divide, Operations, ::testing::ValuesIn(kDivision), caseName);
INSTANTIATE_TEST_SUITE_P(Add, Operations, ::testing::ValuesIn(kAddition), caseName);
INSTANTIATE_TEST_SUITE_P(Subtract, Operations, ::testing::ValuesIn(kSubtraction), caseName);

}  // namespace
}  // namespace vorlix::calc
