// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <utility>

#include "settings/settings_store.h"

namespace vorlix::settings {

// The per-user settings file, in the INI format and with the lock file
// that QSettings uses, so that each reads what the other wrote. Reading
// takes no lock: a writer replaces the whole file at once, or, where the
// file has other names (hard links), writes it in place under an flock
// that a reader waits for. Writing takes the lock, re-reads the file on
// disk, and replaces it in one write with only the given keys changed.
class SettingsFile final : public SettingsStore {
 public:
  // Far more than sixteen colours and any comments a user adds: a larger
  // file is not ours, is not read, and is kept aside at the next write,
  // and no write makes one.
  static constexpr std::size_t kLargestFile = std::size_t{4} * 1024 * 1024;

  // `file` is an absolute path, used as given in messages.
  explicit SettingsFile(std::string file) : file_(std::move(file)) {}

  StoredSection read(std::string_view section) override;
  void write(std::string_view section, std::span<const StoredValue> values) override;

  const std::string& path() const { return file_; }

 private:
  std::string file_;
};

}  // namespace vorlix::settings
