// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/key_code.h"

#include <gtest/gtest.h>

#include <optional>

namespace vorlix::platform {
namespace {

struct KeyCase {
  const char* name;
  int key;
  Qt::KeyboardModifiers modifiers;
  QString text;  // as X11 or a test event would carry it
  std::optional<int> code;
};

// The same key must give the same code whatever text comes with it: X11
// sends control characters where test events send letters.
TEST(CharacterCode, FromKeyAndModifiersNotText) {
  const KeyCase cases[] = {
      {"digit", Qt::Key_5, Qt::NoModifier, "5", '5'},
      {"keypad_digit", Qt::Key_7, Qt::KeypadModifier, "7", '7'},
      {"backspace", Qt::Key_Backspace, Qt::NoModifier, "\b", 8},
      {"return", Qt::Key_Return, Qt::NoModifier, "\r", 13},
      {"keypad_enter", Qt::Key_Enter, Qt::KeypadModifier, "\r", 13},
      {"escape", Qt::Key_Escape, Qt::NoModifier, "\x1b", 27},
      {"ctrl_v_x11", Qt::Key_V, Qt::ControlModifier, "\x16", 22},
      {"ctrl_v_test_event", Qt::Key_V, Qt::ControlModifier, "v", 22},
      {"ctrl_a", Qt::Key_A, Qt::ControlModifier, "a", 1},
      {"ctrl_z", Qt::Key_Z, Qt::ControlModifier, "\x1a", 26},
      {"lower_letter", Qt::Key_Q, Qt::NoModifier, "q", 'q'},
      {"shift_letter", Qt::Key_A, Qt::ShiftModifier, "a", 'A'},
      {"slash", Qt::Key_Slash, Qt::NoModifier, "/", '/'},
      {"space", Qt::Key_Space, Qt::NoModifier, " ", ' '},
      {"e_acute", Qt::Key_Eacute, Qt::NoModifier, "\u00e9", 0xC9},
      {"composed_without_key", 0, Qt::NoModifier, "\u00e9", 0xE9},
      {"wide_character", 0, Qt::NoModifier, QString::fromUcs4(U"\U0001F600"), -1},
      {"delete", Qt::Key_Delete, Qt::NoModifier, "\x7f", std::nullopt},
      {"tab", Qt::Key_Tab, Qt::NoModifier, "\t", std::nullopt},
      {"left", Qt::Key_Left, Qt::NoModifier, "", std::nullopt},
      {"shift_insert", Qt::Key_Insert, Qt::ShiftModifier, "", std::nullopt},
      {"ctrl_digit", Qt::Key_1, Qt::ControlModifier, "1", std::nullopt},
  };
  for (const KeyCase& c : cases) {
    const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers, c.text);
    const auto code = characterCode(event);
    EXPECT_EQ(code ? std::optional<int>(*code) : std::nullopt, c.code) << c.name;
  }
}

TEST(CharacterCode, AltWithAKeyIsACommand) {
  EXPECT_TRUE(isAltCommand(QKeyEvent(QEvent::KeyPress, Qt::Key_Q, Qt::AltModifier, "q")));
  EXPECT_FALSE(isAltCommand(QKeyEvent(QEvent::KeyPress, Qt::Key_Q, Qt::NoModifier, "q")));
  EXPECT_FALSE(isAltCommand(
      QKeyEvent(QEvent::KeyPress, Qt::Key_Q, Qt::AltModifier | Qt::ControlModifier, "q")));
}

}  // namespace
}  // namespace vorlix::platform
