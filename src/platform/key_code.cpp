// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/key_code.h"

namespace vorlix::platform {

using window::CharacterCode;

namespace {

constexpr int kFirstSpecialKey = 0x01000000;  // Qt's non-character keys start here

std::optional<CharacterCode> codeFromText(const QString& text) {
  const QList<uint> characters = text.toUcs4();
  if (characters.size() != 1 || characters.front() < 0x20) return std::nullopt;
  return window::codeOfCharacter(characters.front());
}

}  // namespace

bool isAltCommand(const QKeyEvent& event) {
  return event.modifiers().testFlag(Qt::AltModifier) &&
         !event.modifiers().testFlag(Qt::ControlModifier);
}

bool asksForContextMenu(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
  return (event.key() == Qt::Key_Menu && modifiers == Qt::NoModifier) ||
         (event.key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier);
}

std::optional<CharacterCode> characterCode(const QKeyEvent& event) {
  const int key = event.key();
  const bool shift = event.modifiers().testFlag(Qt::ShiftModifier);
  const bool control = event.modifiers().testFlag(Qt::ControlModifier);

  switch (key) {
    case Qt::Key_Backspace:
      return window::kBackspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return window::kEnter;
    case Qt::Key_Escape:
      return window::kEscape;
    default:
      break;
  }
  if (key >= Qt::Key_A && key <= Qt::Key_Z) {
    if (control) return static_cast<CharacterCode>(key - Qt::Key_A + 1);
    const int letter = shift ? key : key - Qt::Key_A + 'a';
    return static_cast<CharacterCode>(letter);
  }
  if (control) return std::nullopt;
  if (key > 0 && key < kFirstSpecialKey) return window::codeOfCharacter(static_cast<char32_t>(key));
  // A key Qt could not name (a composed or unmapped character) still types
  // the text it carries.
  if (key == 0 || key == Qt::Key_unknown) return codeFromText(event.text());
  return std::nullopt;
}

}  // namespace vorlix::platform
