// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/to_int16.h"

#include "calc/runtime_error.h"

namespace vorlix::calc {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

std::int16_t toInt16(std::string_view text) {
  const std::string_view digits = trimBlanks(text);
  if (digits.empty()) raise(ErrorCode::TypeMismatch);
  for (const char c : digits) {
    if (!isDigit(c)) raise(ErrorCode::TypeMismatch);
  }
  // Saturating accumulation: once past the limit the value cannot come back,
  // so a text of any length is checked without overflowing here.
  constexpr int limit = 32767;
  int value = 0;
  for (const char c : digits) {
    value = value * 10 + (c - '0');
    if (value > limit) raise(ErrorCode::Overflow);
  }
  return static_cast<std::int16_t>(value);
}

}  // namespace vorlix::calc
