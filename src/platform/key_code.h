// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeyEvent>
#include <cstdint>
#include <optional>

namespace vorlix::platform {

// The character code a key press carries to a key handler: Backspace 8,
// Enter (main or keypad) 13, Escape 27, Ctrl with a letter its control code
// 1 to 26, otherwise the code of the character the key types. nullopt for a
// key that types no character (arrows, Delete, Home, Tab, Shift+Insert ...).
//
// It is worked out from the key and its modifiers, not from the event's
// text, which differs between X11 and synthesised events for the same key.
std::optional<std::int16_t> characterCode(const QKeyEvent& event);

// The code of a typed character: its UTF-16 value as a signed 16-bit
// number, or -1 for a character beyond 16 bits.
std::int16_t codeOfCharacter(char32_t character);

// Alt with a key is a command, never typing.
bool isAltCommand(const QKeyEvent& event);

// The context-menu key, or Shift+F10: what keyboard users press where
// others right-click.
bool asksForContextMenu(const QKeyEvent& event);

}  // namespace vorlix::platform
