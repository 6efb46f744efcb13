// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeyEvent>
#include <optional>

#include "window/character_code.h"

namespace vorlix::platform {

// The character a key press types, as the core's key rules take it:
// Backspace, Enter (main or keypad) and Escape by their codes, Ctrl with a
// letter its control code 1 to 26, otherwise the character the key types.
// nullopt for a key that types no character (arrows, Delete, Home, Tab,
// Shift+Insert ...).
//
// It is worked out from the key and its modifiers, not from the event's
// text, which differs between X11 and synthesised events for the same key.
std::optional<window::CharacterCode> characterCode(const QKeyEvent& event);

// Alt with a key is a command, never typing.
bool isAltCommand(const QKeyEvent& event);

// The context-menu key, or Shift+F10: what keyboard users press where
// others right-click.
bool asksForContextMenu(const QKeyEvent& event);

}  // namespace vorlix::platform
