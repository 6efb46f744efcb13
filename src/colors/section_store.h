#pragma once

#include <functional>
#include <map>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vorlix::colors {

struct StoredValue {
  std::string key;
  std::string text;
};

using StoredSection = std::map<std::string, std::string, std::less<>>;  // key -> text

// A value could not be stored; what() says why, in the user's words.
class SettingsWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The per-user settings store: text values under a section and a key.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // Every key of `section` whose line could be read, with its value text (unquoted if it was a
  // plain "..." quoted value, surrounding blanks trimmed). Empty when nothing can be read.
  // Never throws.
  virtual StoredSection read(std::string_view section) = 0;
  // Sets these keys of `section` in one write, keeping everything else in the store.
  // Throws SettingsWriteError, whose what() says why in the user's words.
  virtual void write(std::string_view section, std::span<const StoredValue> values) = 0;
};

}  // namespace vorlix::colors
