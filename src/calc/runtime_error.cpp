// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/runtime_error.h"

#include <algorithm>
#include <array>

namespace vorlix::calc {
namespace {

struct ErrorText {
  ErrorCode code{};
  Translatable description;
};

constexpr std::array kDescriptions{
    //: An error's name, which a message box shows after its number and two
    //: spaces ("11  Division by zero"). A number too large is told by the
    //: sentence "Sorry that number is to big for me." instead of this name.
    ErrorText{ErrorCode::Overflow, translatable("Messages", "Overflow")},
    ErrorText{ErrorCode::DivisionByZero, translatable("Messages", "Division by zero")},
    ErrorText{ErrorCode::TypeMismatch, translatable("Messages", "Type mismatch")},
};

constexpr Translatable kUnknown = translatable("Messages", "Unknown error");
// Overflow is the one error told in a sentence of its own.
//: The message when a number grows past what the calculator holds. "to big"
//: is a typing error kept on purpose in English, where users know the
//: message by it; translate the meaning, correctly spelt.
constexpr Translatable kTooBig = translatable("Messages", "Sorry that number is to big for me.");

Translatable describing(ErrorCode code) {
  const auto found = std::ranges::find(kDescriptions, code, &ErrorText::code);
  return found == kDescriptions.end() ? kUnknown : found->description;
}

}  // namespace

std::string userMessage(ErrorCode code, const Language& language) {
  if (code == ErrorCode::Overflow) return language.text(kTooBig);
  return std::to_string(static_cast<int>(code)) + "  " + language.text(describing(code));
}

RunTimeError::RunTimeError(ErrorCode code)
    : std::runtime_error(english().text(describing(code))), code_(code) {}

void raise(ErrorCode code) { throw RunTimeError(code); }

}  // namespace vorlix::calc
