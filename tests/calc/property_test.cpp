// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <random>
#include <string>

#include "calc/calculation.h"
#include "result_text.h"

// Generated calculations checked against exact rational arithmetic in 64-bit
// integers: a shown result has exactly the value of the operation, and a
// failure is the first 16-bit step that leaves its range.
namespace vorlix::calc {
namespace {

constexpr std::int64_t kMin = -32768;
constexpr std::int64_t kMax = 32767;

struct Expected {
  std::optional<std::string> message;
  std::int64_t top = 0;  // the exact value, top / bottom, when no message
  std::int64_t bottom = 1;
};

struct Failure {
  const char* text;
};

std::int64_t inRange(std::int64_t value) {
  if (value < kMin || value > kMax) throw Failure{"Sorry that number is to big for me."};
  return value;
}

std::int64_t digitsValue(const std::string& text) {
  std::int64_t value = 0;
  for (const char c : text) {
    value = value * 10 + (c - '0');
    if (value > kMax) throw Failure{"Sorry that number is to big for me."};
  }
  return value;
}

struct Operand {
  std::int64_t whole, top, bottom;
};

Operand fold(std::int64_t whole, std::int64_t top, std::int64_t bottom) {
  if (whole > 0) top = inRange(inRange(whole * bottom) + top);
  return {whole, top, bottom};
}

Expected expectedOutcome(const std::array<std::string, 6>& boxes, const std::string& op) {
  for (int i = 0; i < 4; ++i) {
    if (boxes[static_cast<std::size_t>(i)].empty()) return {"Fractions missing"};
  }
  try {
    std::int64_t v[6];
    for (std::size_t i = 0; i < 6; ++i) v[i] = boxes[i].empty() ? 0 : digitsValue(boxes[i]);
    const Operand l = fold(v[4], v[0], v[1]);
    const Operand r = fold(v[5], v[2], v[3]);
    if (op == "+" || op == "-") {
      const std::int64_t common = inRange(l.bottom * r.bottom);
      if (common == 0) throw Failure{"11  Division by zero"};
      const std::int64_t left = inRange(l.top * r.bottom);
      const std::int64_t right = inRange(r.top * l.bottom);
      const std::int64_t top = inRange(op == "+" ? left + right : std::abs(left - right));
      return {std::nullopt, top, common};
    }
    if (op == "/" && r.bottom == 0) throw Failure{"11  Division by zero"};
    const Operand divisor = op == "/" ? Operand{0, r.bottom, r.top} : r;
    const std::int64_t bottom = inRange(divisor.bottom * l.bottom);
    const std::int64_t top = inRange(l.top * divisor.top);
    if (bottom == 0) throw Failure{"11  Division by zero"};
    return {std::nullopt, top, bottom};
  } catch (const Failure& failure) {
    return {failure.text};
  }
}

// Operand texts weighted toward the places where the arithmetic turns.
class OperandSource {
 public:
  explicit OperandSource(std::uint32_t seed) : random_(seed) {}

  std::string fractionPart() { return withZeros(number()); }
  std::string wholePart() { return pick(4) == 0 ? std::string{} : withZeros(number()); }
  std::string op() {
    static const char* const kOps[] = {"+", "-", "x", "/"};
    return kOps[pick(4)];
  }

 private:
  std::size_t number() {
    static const std::size_t kEdges[] = {0, 1, 2, 9, 10, 181, 182, 200, 32766, 32767, 32768, 40000};
    switch (pick(10)) {
      case 0:
        return kEdges[pick(std::size(kEdges))];
      case 1:
        return pick(12);
      case 2:
        return pick(200);
      case 3:
        return pick(32768);
      case 4:
        return 32700 + pick(80);
      default:
        return pick(40);
    }
  }
  std::string withZeros(std::size_t value) {
    return std::string(pick(8) == 0 ? pick(4) : 0, '0') + std::to_string(value);
  }
  std::size_t pick(std::size_t count) {
    return std::uniform_int_distribution<std::size_t>(0, count - 1)(random_);
  }
  std::mt19937 random_;
};

std::int64_t shownNumber(const std::string& text) { return std::stoll(text); }

TEST(CalculationProperty, MatchesExactRationalArithmetic) {
  OperandSource source(20261207);
  int results = 0;
  for (int run = 0; run < 100000; ++run) {
    const std::array<std::string, 6> boxes{source.fractionPart(), source.fractionPart(),
                                           source.fractionPart(), source.fractionPart(),
                                           source.wholePart(),    source.wholePart()};
    const std::string op = source.op();
    const Outcome outcome =
        calculate({{boxes[4], boxes[0], boxes[1]}, op, {boxes[5], boxes[2], boxes[3]}}, english());
    const Expected expected = expectedOutcome(boxes, op);
    SCOPED_TRACE(boxes[4] + " " + boxes[0] + "/" + boxes[1] + " " + op + " " + boxes[5] + " " +
                 boxes[2] + "/" + boxes[3]);
    if (expected.message) {
      ASSERT_EQ(testing::describe(outcome), "message " + testing::quoted(*expected.message));
      continue;
    }
    ASSERT_TRUE(outcome.result) << testing::describe(outcome);
    ++results;
    const ResultDisplay& shown = *outcome.result;
    const std::int64_t whole = shownNumber(shown.whole.text);
    const std::int64_t numerator = shownNumber(shown.numerator.text);
    const std::int64_t denominator = shownNumber(shown.denominator.text);
    // whole + numerator/denominator == top/bottom, cross-multiplied.
    ASSERT_EQ((whole * denominator + numerator) * expected.bottom, expected.top * denominator);
    ASSERT_GE(numerator, 0);
    ASSERT_LT(numerator, denominator);
    ASSERT_EQ(shown.whole.visible, whole > 0);
    ASSERT_EQ(shown.numerator.visible, numerator != 0);
    ASSERT_EQ(shown.denominator.visible, numerator != 0);
  }
  // The generator must reach the result path often, not only the failures.
  EXPECT_GT(results, 15000);
}

}  // namespace
}  // namespace vorlix::calc
