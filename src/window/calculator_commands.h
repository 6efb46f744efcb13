// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "translatable.h"
#include "window/character_code.h"
#include "window/message_box.h"
#include "window/spoken_phrases.h"
#include "window/window_model.h"

// What typing and clicking the buttons do. The commands keep no state of
// their own: everything they read and write is on the window, and the
// operator in force is nothing but the operator label's caption.
namespace vorlix::window {

enum class KeyVerdict { Pass, Cancel };

class CalculatorCommands {
 public:
  // Messages and announcements are told in `language`.
  CalculatorCommands(WindowModel& window, MessageBox& messages, const Language& language)
      : window_(window), messages_(messages), language_(language) {}
  CalculatorCommands(const CalculatorCommands&) = delete;
  CalculatorCommands& operator=(const CalculatorCommands&) = delete;
  ~CalculatorCommands() = default;

  void onAnnouncement(AnnouncementListener listener) { announce_ = std::move(listener); }

  // A click on any button: an operator button chooses its operator,
  // Calculate calculates, New starts a new calculation.
  void clickButton(Control button);

  // Shows the result of the two operands, or one message saying why there
  // is none (a result is also announced, a message is not). The result
  // boxes' visibility is reset first, whatever follows.
  void calculate();
  // Empties every entry and result box and puts the focus in the first
  // numerator, and announces both; the operator stays.
  void startNew();
  // Empties the result boxes, makes the button's caption the operator and
  // announces the operation.
  void chooseOperator(Control button);

  // A character typed into an entry box: digits and Backspace pass. Enter
  // moves the focus to the next entry box, or calculates in the second
  // denominator, where it passes afterwards. Everything else is cancelled.
  KeyVerdict filterTypedKey(Control box, CharacterCode code);
  // A key pressed on a focused button: Enter presses it, as Space does, for
  // the window has no default button to take Enter. Other keys pass.
  KeyVerdict filterButtonKey(Control button, CharacterCode code);

 private:
  void emptyResult();
  void announce(const std::string& phrase) const;

  WindowModel& window_;
  MessageBox& messages_;
  const Language& language_;
  AnnouncementListener announce_;
};

}  // namespace vorlix::window
