#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "colors/settings_store.h"

namespace vorlix::colors::testing {

// A settings store in memory that can be told to fail: a write to
// `failingKey`, or any read of `unreadableKey`.
class MemoryStore final : public SettingsStore {
 public:
  std::map<std::string, std::string> values;  // "application/section/key"
  std::vector<std::string> writtenKeys;
  std::optional<std::string> failingKey;
  std::optional<std::string> unreadableKey;

  std::string read(std::string_view application, std::string_view section,
                   std::string_view key) override {
    if (unreadableKey == key) throw std::runtime_error("store unavailable");
    const auto found = values.find(path(application, section, key));
    return found == values.end() ? std::string{} : found->second;
  }
  void write(std::string_view application, std::string_view section, std::string_view key,
             std::string_view text) override {
    if (failingKey == key) throw SettingsWriteError("the disk is full.");
    values[path(application, section, key)] = text;
    writtenKeys.emplace_back(key);
  }
  static std::string path(std::string_view application, std::string_view section,
                          std::string_view key) {
    return std::string(application) + "/" + std::string(section) + "/" + std::string(key);
  }
};

}  // namespace vorlix::colors::testing
