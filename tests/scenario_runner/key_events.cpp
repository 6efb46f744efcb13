// SPDX-License-Identifier: GPL-3.0-or-later
#include "key_events.h"

#include <QTest>
#include <array>
#include <string>

namespace vorlix::testing {
namespace {

struct NamedKey {
  std::string_view name;
  Qt::Key key;
  const char* text;  // what X11 sends with it
};

constexpr std::array kNamedKeys{
    NamedKey{"Enter", Qt::Key_Return, "\r"},
    NamedKey{"KeypadEnter", Qt::Key_Enter, "\r"},
    NamedKey{"Backspace", Qt::Key_Backspace, "\b"},
    NamedKey{"Tab", Qt::Key_Tab, "\t"},
    NamedKey{"Escape", Qt::Key_Escape, "\x1b"},
    NamedKey{"Delete", Qt::Key_Delete, "\x7f"},
    NamedKey{"Space", Qt::Key_Space, " "},
    NamedKey{"Left", Qt::Key_Left, ""},
    NamedKey{"Right", Qt::Key_Right, ""},
    NamedKey{"Home", Qt::Key_Home, ""},
    NamedKey{"End", Qt::Key_End, ""},
    NamedKey{"Menu", Qt::Key_Menu, ""},
    NamedKey{"F10", Qt::Key_F10, ""},
};

struct Modifier {
  std::string_view prefix;
  Qt::KeyboardModifier modifier;
};

constexpr std::array kModifiers{Modifier{"Ctrl+", Qt::ControlModifier},
                                Modifier{"Alt+", Qt::AltModifier},
                                Modifier{"Shift+", Qt::ShiftModifier}};

QString fromUcs4(char32_t character) { return QString::fromUcs4(&character, 1); }

Qt::Key keyFor(char32_t character) {
  if (character >= 'a' && character <= 'z') return Qt::Key(Qt::Key_A + int(character - 'a'));
  if (character > 0xFFFF) return Qt::Key_unknown;
  return Qt::Key(QChar(char16_t(character)).toUpper().unicode());
}

Qt::KeyboardModifiers takeModifiers(std::string_view& name) {
  Qt::KeyboardModifiers modifiers;
  for (bool found = true; found;) {
    found = false;
    for (const Modifier& m : kModifiers) {
      if (name.size() > m.prefix.size() && name.starts_with(m.prefix)) {
        modifiers |= m.modifier;
        name.remove_prefix(m.prefix.size());
        found = true;
      }
    }
  }
  return modifiers;
}

}  // namespace

std::optional<KeyPress> keyEventFor(std::string_view name) {
  Qt::KeyboardModifiers modifiers = takeModifiers(name);
  for (const NamedKey& named : kNamedKeys) {
    if (name != named.name) continue;
    Qt::Key key = named.key;
    if (key == Qt::Key_Tab && modifiers.testFlag(Qt::ShiftModifier)) key = Qt::Key_Backtab;
    if (key == Qt::Key_Enter) modifiers |= Qt::KeypadModifier;
    return KeyPress{key, QString::fromLatin1(named.text), modifiers};
  }
  const QList<uint> characters = QString::fromStdString(std::string(name)).toUcs4();
  if (characters.size() != 1) return std::nullopt;
  const char32_t character = characters.front();
  const Qt::Key key = keyFor(character);
  QString text = fromUcs4(character);
  if (modifiers.testFlag(Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z) {
    text = QChar(char16_t(key - Qt::Key_A + 1));
  } else if (modifiers.testFlag(Qt::ShiftModifier)) {
    text = text.toUpper();
  }
  return KeyPress{key, text, modifiers};
}

KeyPress keyEventTyping(char32_t character) {
  const bool upper = character >= 'A' && character <= 'Z';
  return {keyFor(character), fromUcs4(character), upper ? Qt::ShiftModifier : Qt::NoModifier};
}

void sendKey(QWidget* target, const KeyPress& press) {
  QTest::sendKeyEvent(QTest::Press, target, press.key, press.text, press.modifiers);
  QTest::sendKeyEvent(QTest::Release, target, press.key, press.text, press.modifiers);
}

}  // namespace vorlix::testing
