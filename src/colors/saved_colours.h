// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "settings/settings_store.h"
#include "window/window_model.h"

namespace vorlix::colors {

inline constexpr std::string_view kSection = "StartUp";

// Where an element's colour is stored: under a key of the settings file's
// own, not the element's name in this code. Renaming a key would lose
// every colour stored under it.
struct StoredKey {
  std::string_view key;
  window::Control element;
};

// The window and fifteen of its controls, in the order they are stored.
// The whole-part entry boxes are not among them.
std::span<const StoredKey> storedKeys();

// Applies the colours stored at the last close where usable: a key that is
// missing, not a number, out of range or refused as a colour leaves its
// element as it is. Never fails and never reports.
void restoreColours(window::WindowModel& window, settings::SettingsStore& store);

// Stores every element's current colour in one write. Lets the store's
// SettingsWriteError through.
void saveColours(const window::WindowModel& window, settings::SettingsStore& store);

// Stored text to a colour value: an optional minus sign and decimal digits
// within the signed 32-bit range; nullopt for anything else.
std::optional<window::Colour> parseStoredColour(std::string_view text);

// What the user is told, in `language`, when the colours could not be saved.
std::string saveFailureMessage(const settings::SettingsWriteError& error, const Language& language);

}  // namespace vorlix::colors
