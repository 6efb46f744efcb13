// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/mixed_number.h"

#include <gtest/gtest.h>

#include "calc/runtime_error.h"
#include "case_name.h"
#include "result_text.h"

namespace vorlix::calc {
namespace {

struct MixedCase {
  const char* name;
  Fraction value;
  const char* shown;
};

std::ostream& operator<<(std::ostream& out, const MixedCase& c) { return out << c.name; }

std::string shown(Fraction value) {
  try {
    return testing::describe(displayOf(toMixedNumber(value)));
  } catch (const RunTimeError& error) {
    return testing::describe(Outcome::saying(userMessage(error.code(), english())));
  }
}

class ToMixedNumber : public ::testing::TestWithParam<MixedCase> {};

TEST_P(ToMixedNumber, SplitsReducesAndShows) {
  const MixedCase& c = GetParam();
  EXPECT_EQ(shown(c.value), c.shown) << c.value.numerator << "/" << c.value.denominator;
}

const MixedCase kCases[] = {
    {"whole_and_reduced", {24, 16}, R"(result "1" "1" "2" visible 0 1 2)"},
    {"fraction_only", {8, 16}, R"(result "0" "1" "2" visible 1 2)"},
    {"whole_only", {4, 4}, R"(result "1" "0" "4" visible 0)"},
    {"zero", {0, 4}, R"(result "0" "0" "4" visible none)"},
    {"remainder_one", {49, 4}, R"(result "12" "1" "4" visible 0 1 2)"},
    {"big_remainder_starts_at_nine", {12, 18}, R"(result "0" "2" "3" visible 1 2)"},
    {"small_remainder_starts_at_itself", {6, 8}, R"(result "0" "3" "4" visible 1 2)"},
    {"each_divisor_once", {16, 64}, R"(result "0" "1" "4" visible 1 2)"},
    {"pass_leaves_five_fiftieths", {100, 1000}, R"(result "0" "5" "50" visible 1 2)"},
    {"pass_leaves_two_quarters", {128, 256}, R"(result "0" "2" "4" visible 1 2)"},
    {"no_divisor_above_nine", {11, 22}, R"(result "0" "11" "22" visible 1 2)"},
    {"prime_square_denominator", {362, 32761}, R"(result "0" "362" "32761" visible 1 2)"},
    {"largest_whole", {32767, 1}, R"(result "32767" "0" "1" visible 0)"},
    {"zero_denominator", {5, 0}, R"(message "11  Division by zero")"},
    {"zero_over_zero", {0, 0}, R"(message "11  Division by zero")"},
};

INSTANTIATE_TEST_SUITE_P(Results, ToMixedNumber, ::testing::ValuesIn(kCases),
                         vorlix::testing::CaseName{});

}  // namespace
}  // namespace vorlix::calc
