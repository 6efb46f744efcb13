// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <optional>
#include <string>

#include "settings/settings_store.h"

namespace vorlix::colors::testing {

// A settings store in memory that can be told to fail its writes.
class MemoryStore final : public settings::SettingsStore {
 public:
  std::map<std::string, settings::StoredSection, std::less<>> sections;
  std::optional<std::string> failure;  // what() of the next writes
  int writes = 0;

  settings::StoredSection read(std::string_view section) override {
    const auto found = sections.find(section);
    return found == sections.end() ? settings::StoredSection{} : found->second;
  }
  void write(std::string_view section, std::span<const settings::StoredValue> values) override {
    if (failure)
      throw settings::SettingsWriteError([text = *failure](const Language&) { return text; });
    ++writes;
    settings::StoredSection& stored = sections[std::string(section)];
    for (const settings::StoredValue& value : values) stored[value.key] = value.text;
  }
};

}  // namespace vorlix::colors::testing
