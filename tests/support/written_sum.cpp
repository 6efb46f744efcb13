// SPDX-License-Identifier: GPL-3.0-or-later
#include "written_sum.h"

#include <vector>

namespace vorlix::testing {
namespace {

std::vector<std::string_view> words(std::string_view text) {
  std::vector<std::string_view> found;
  while (!text.empty()) {
    const auto start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) break;
    text.remove_prefix(start);
    const auto end = std::min(text.find(' '), text.size());
    found.push_back(text.substr(0, end));
    text.remove_prefix(end);
  }
  return found;
}

// A fraction is a word with a bar that is not the divide operator itself.
bool isFraction(std::string_view word) {
  return word.size() > 1 && word.find('/') != std::string_view::npos;
}

std::optional<WrittenSum::Operand> takeOperand(const std::vector<std::string_view>& all,
                                               std::size_t& next) {
  WrittenSum::Operand operand;
  if (next < all.size() && !isFraction(all[next])) operand.whole = all[next++];
  if (next >= all.size() || !isFraction(all[next])) return std::nullopt;
  const std::string_view fraction = all[next++];
  const auto bar = fraction.find('/');
  operand.numerator = fraction.substr(0, bar);
  operand.denominator = fraction.substr(bar + 1);
  return operand;
}

}  // namespace

calc::CalculationInput WrittenSum::input() const {
  return {{first.whole, first.numerator, first.denominator},
          operation,
          {second.whole, second.numerator, second.denominator}};
}

std::optional<WrittenSum> parseSum(std::string_view text) {
  const std::vector<std::string_view> all = words(text);
  std::size_t next = 0;
  const auto first = takeOperand(all, next);
  if (!first || next >= all.size()) return std::nullopt;
  const std::string operation(all[next++]);
  const auto second = takeOperand(all, next);
  if (!second || next != all.size()) return std::nullopt;
  return WrittenSum{*first, operation, *second};
}

}  // namespace vorlix::testing
