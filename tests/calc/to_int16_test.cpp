// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/to_int16.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "calc/runtime_error.h"
#include "case_name.h"

namespace vorlix::calc {
namespace {

struct ConversionCase {
  const char* name;
  std::string text;
  std::optional<int> value;  // nullopt: the error below
  ErrorCode error = ErrorCode::TypeMismatch;
};

std::ostream& operator<<(std::ostream& out, const ConversionCase& c) { return out << c.name; }

class ToInt16 : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(ToInt16, ConvertsOrRaises) {
  const ConversionCase& c = GetParam();
  if (c.value) {
    EXPECT_EQ(toInt16(c.text), *c.value) << "text \"" << c.text << "\"";
    return;
  }
  try {
    const int got = toInt16(c.text);
    ADD_FAILURE() << "text \"" << c.text << "\" converted to " << got;
  } catch (const RunTimeError& error) {
    EXPECT_EQ(error.code(), c.error) << "text \"" << c.text << "\"";
  }
}

const ConversionCase kCases[] = {
    {"zero", "0", 0},
    {"largest", "32767", 32767},
    {"leading_zeros", "0007", 7},
    {"many_leading_zeros", std::string(200, '0') + "12", 12},
    {"blanks_around", " \t42\t ", 42},
    {"just_above", "32768", std::nullopt, ErrorCode::Overflow},
    {"forty_thousand", "40000", std::nullopt, ErrorCode::Overflow},
    {"very_long", std::string(500, '9'), std::nullopt, ErrorCode::Overflow},
    {"long_after_zeros", "000099999", std::nullopt, ErrorCode::Overflow},
    {"empty", "", std::nullopt},
    {"blanks_only", "  \t ", std::nullopt},
    {"minus_sign", "-5", std::nullopt},
    {"plus_sign", "+255", std::nullopt},
    {"decimal_point", "1.5", std::nullopt},
    {"separator", "1,000", std::nullopt},
    {"trailing_letters", "12abc", std::nullopt},
    {"blank_inside", "1 2", std::nullopt},
    {"big_with_letter", "99999x", std::nullopt},
    {"arabic_indic_digit", "\xD9\xA3", std::nullopt},
    {"fullwidth_digit", "\xEF\xBC\x95", std::nullopt},
    {"newline", "5\n", std::nullopt},
    {"nul_inside",
     std::string("5\0"
                 "5",
                 3),
     std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Texts, ToInt16, ::testing::ValuesIn(kCases), vorlix::testing::CaseName{});

}  // namespace
}  // namespace vorlix::calc
