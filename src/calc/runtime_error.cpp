// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/runtime_error.h"

namespace vorlix::calc {

std::string description(ErrorCode code) {
  switch (code) {
    case ErrorCode::Overflow:
      return "Overflow";
    case ErrorCode::DivisionByZero:
      return "Division by zero";
    case ErrorCode::TypeMismatch:
      return "Type mismatch";
  }
  return "Unknown error";
}

std::string userMessage(ErrorCode code) {
  if (code == ErrorCode::Overflow) return "Sorry that number is to big for me.";
  return std::to_string(static_cast<int>(code)) + "  " + description(code);
}

RunTimeError::RunTimeError(ErrorCode code) : std::runtime_error(description(code)), code_(code) {}

void raise(ErrorCode code) { throw RunTimeError(code); }

}  // namespace vorlix::calc
