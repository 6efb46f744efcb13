// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <map>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "translatable.h"

namespace vorlix::settings {

struct StoredValue {
  std::string key;
  std::string text;
};

using StoredSection = std::map<std::string, std::string, std::less<>>;  // key to text

// Could not store the values; what() says why in the user's words, in
// English, and inWords() in any language.
class SettingsWriteError : public std::runtime_error {
 public:
  using Wording = std::function<std::string(const Language&)>;
  explicit SettingsWriteError(Wording wording)
      : std::runtime_error(wording(english())), wording_(std::move(wording)) {}

  std::string inWords(const Language& language) const { return wording_(language); }

 private:
  Wording wording_;
};

// The per-user settings store: text values under a section and a key.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // Every key of the section that could be read, with its text. Empty when
  // nothing can be read; never throws.
  virtual StoredSection read(std::string_view section) = 0;
  // Sets these keys of the section in one write, keeping everything else
  // in the store. Throws SettingsWriteError, having changed nothing.
  virtual void write(std::string_view section, std::span<const StoredValue> values) = 0;
};

}  // namespace vorlix::settings
