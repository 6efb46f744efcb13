// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <Qt>
#include <optional>
#include <string_view>

class QWidget;

namespace vorlix::testing {

// A key as the X11 keyboard reports it: the key, the text it carries and
// the modifiers held.
struct KeyPress {
  Qt::Key key;
  QString text;
  Qt::KeyboardModifiers modifiers;
};

// A key as scripts name it: "Enter", "Tab", "Ctrl+V", "Shift+Tab", "Alt+C",
// "Menu", "Shift+F10", or one character. nullopt for any other name.
std::optional<KeyPress> keyEventFor(std::string_view name);

// The key that types a character, with Shift for a capital letter.
KeyPress keyEventTyping(char32_t character);

// Press and release, as test events.
void sendKey(QWidget* target, const KeyPress& press);

}  // namespace vorlix::testing
