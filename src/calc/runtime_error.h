// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "translatable.h"

namespace vorlix::calc {

// The closed set of run-time errors a calculation can raise. The numbers are
// part of what the user sees ("11  Division by zero"), so they never change.
enum class ErrorCode : std::int16_t {
  Overflow = 6,         // a 16-bit value or conversion left -32768..32767
  DivisionByZero = 11,  // integer division by zero, or a failed floating-point step
  TypeMismatch = 13,    // a text that is not a number
};

// The one mapping from an error to the text of its message box: the number
// and two spaces before the description, in the user's language.
std::string userMessage(ErrorCode code, const Language& language);

// Raising one abandons the calculation up to the command's error handler.
class RunTimeError : public std::runtime_error {
 public:
  explicit RunTimeError(ErrorCode code);
  ErrorCode code() const noexcept { return code_; }

 private:
  ErrorCode code_;
};

[[noreturn]] void raise(ErrorCode code);

}  // namespace vorlix::calc
