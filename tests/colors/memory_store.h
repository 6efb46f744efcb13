// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <optional>
#include <string>

#include "colors/settings_store.h"

namespace vorlix::colors::testing {

// A settings store in memory that can be told to fail its writes.
class MemoryStore final : public SettingsStore {
 public:
  std::map<std::string, StoredSection, std::less<>> sections;
  std::optional<std::string> failure;  // what() of the next writes
  int writes = 0;

  StoredSection read(std::string_view section) override {
    const auto found = sections.find(section);
    return found == sections.end() ? StoredSection{} : found->second;
  }
  void write(std::string_view section, std::span<const StoredValue> values) override {
    if (failure) throw SettingsWriteError(*failure);
    ++writes;
    StoredSection& stored = sections[std::string(section)];
    for (const StoredValue& value : values) stored[value.key] = value.text;
  }
};

}  // namespace vorlix::colors::testing
