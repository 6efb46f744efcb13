#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "colors/settings_store.h"
#include "window/form.h"

namespace vorlix::colors {

inline constexpr std::string_view kApplicationName = "Vorlix";
inline constexpr std::string_view kSection = "StartUp";

struct SavedColorKey {
  std::string_view key;
  window::ControlRef element;
};

// The sixteen keys, in the order both restoring and saving go through them.
std::span<const SavedColorKey> savedColorKeys();

// The colours stored at the last close, applied where usable: a key that
// is missing, not a number, out of range or refused as a colour leaves its
// element as it is. Never fails and never reports.
void restoreColors(window::Form& form, SettingsStore& store);

// Writes the current colours in key order. Stops at the first write that
// fails, letting its SettingsWriteError through: the keys before it hold
// their new values, it and those after it their old ones.
void saveColors(const window::Form& form, SettingsStore& store);

// Stored text to a colour value: an optional minus sign and decimal digits
// within the signed 32-bit range; nullopt for anything else.
std::optional<window::Color> parseStoredColor(std::string_view text);

// What the user is told when the colours could not be saved.
std::string saveFailureMessage(const SettingsWriteError& error);

}  // namespace vorlix::colors
