#pragma once

#include <cstdint>

#include "window/form.h"

// The window's handlers for typing and for button clicks. They keep no
// state: everything they read and write is on the window.
namespace vorlix::window {

inline constexpr std::int16_t kKeyBackspace = 8;
inline constexpr std::int16_t kKeyEnter = 13;

class Form1Commands {
 public:
  explicit Form1Commands(Form& form) : form_(form) {}

  // Filters a character typed into entry box Text1(index): digits and
  // Backspace pass, Enter moves to the next box or, in Text1(3),
  // calculates; everything else is cancelled by setting keyAscii to 0.
  void Text1_KeyPress(std::int16_t index, std::int16_t& keyAscii);

  // An operator button: empties the result and makes its caption the
  // operator in force.
  void cmdOp_Click(std::int16_t index);

  // Command1(0) Calculate, Command1(1) New; other indices do nothing.
  void Command1_Click(std::int16_t index);

 private:
  void clearResult();
  void newCalculation();

  Form& form_;
};

}  // namespace vorlix::window
