#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace vorlix::colors {

// A value could not be stored; what() says why, in the user's words.
class SettingsWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The per-user settings store: text values under an application name, a
// section and a key.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // The stored text; empty when nothing usable is stored there.
  virtual std::string read(std::string_view application, std::string_view section,
                           std::string_view key) = 0;
  // Stores the text, replacing any earlier value. Throws SettingsWriteError
  // when it could not be stored.
  virtual void write(std::string_view application, std::string_view section, std::string_view key,
                     std::string_view text) = 0;
};

}  // namespace vorlix::colors
