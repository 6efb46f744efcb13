// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/checked_int16.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calc/runtime_error.h"

namespace vorlix::calc {
namespace {

ErrorCode raisedBy(const auto& step) {
  try {
    step();
  } catch (const RunTimeError& error) {
    return error.code();
  }
  ADD_FAILURE() << "no error raised";
  return ErrorCode::TypeMismatch;
}

TEST(CheckedInt16, ResultsAtTheLimitsPassAndOneBeyondOverflows) {
  EXPECT_EQ(checkedAdd(32766, 1), 32767);
  EXPECT_EQ(checkedSubtract(-32767, 1), -32768);
  EXPECT_EQ(checkedMultiply(181, 181), 32761);
  EXPECT_EQ(raisedBy([] { checkedAdd(32767, 1); }), ErrorCode::Overflow);
  EXPECT_EQ(raisedBy([] { checkedSubtract(-32768, 1); }), ErrorCode::Overflow);
  EXPECT_EQ(raisedBy([] { checkedMultiply(182, 181); }), ErrorCode::Overflow);
  EXPECT_EQ(raisedBy([] { checkedMultiply(200, 200); }), ErrorCode::Overflow);
  EXPECT_EQ(raisedBy([] { checkedQuotient(-32768, -1); }), ErrorCode::Overflow);
}

TEST(CheckedInt16, ZeroDivisorIsDivisionByZero) {
  EXPECT_EQ(raisedBy([] { checkedQuotient(5, 0); }), ErrorCode::DivisionByZero);
  EXPECT_EQ(raisedBy([] { checkedRemainder(0, 0); }), ErrorCode::DivisionByZero);
  EXPECT_EQ(checkedQuotient(7, 2), 3);
  EXPECT_EQ(checkedRemainder(7, 2), 1);
}

struct RoundingCase {
  double value;
  int expected;
};

TEST(CheckedInt16, RoundsHalfToEven) {
  const RoundingCase cases[] = {
      {0.5, 0},           {1.5, 2},           {2.5, 2},    {-0.5, 0},        {-1.5, -2},
      {-2.5, -2},         {2.4999, 2},        {2.5001, 3}, {32767.4, 32767}, {32766.5, 32766},
      {-32768.5, -32768}, {-32767.5, -32768}, {12.0, 12},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(roundToInt16(c.value), c.expected) << "value " << c.value;
  }
}

TEST(CheckedInt16, RoundedValueOutOfRangeOverflows) {
  const double cases[] = {32767.5,
                          32768.0,
                          -32768.51,
                          -32769.0,
                          1e300,
                          std::numeric_limits<double>::infinity(),
                          std::numeric_limits<double>::quiet_NaN()};
  for (const double value : cases) {
    EXPECT_EQ(raisedBy([&] { roundToInt16(value); }), ErrorCode::Overflow) << "value " << value;
  }
}

TEST(RunTimeErrors, MessagesAreTheUsersWords) {
  EXPECT_EQ(userMessage(ErrorCode::Overflow, english()), "Sorry that number is to big for me.");
  EXPECT_EQ(userMessage(ErrorCode::DivisionByZero, english()), "11  Division by zero");
  EXPECT_EQ(userMessage(ErrorCode::TypeMismatch, english()), "13  Type mismatch");
}

}  // namespace
}  // namespace vorlix::calc
