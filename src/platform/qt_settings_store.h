#pragma once

#include <QSettings>
#include <memory>

#include "colors/settings_store.h"

namespace vorlix::platform {

// The per-user settings store on QSettings: the program's organisation and
// name, native format (on Linux $XDG_CONFIG_HOME/Vorlix/Vorlix.conf), no
// fallbacks. A write is synced at once, so its failure is known there;
// QSettings replaces the file atomically.
class QtSettingsStore final : public colors::SettingsStore {
 public:
  QtSettingsStore() = default;

  colors::StoredSection read(std::string_view section) override;
  void write(std::string_view section, std::span<const colors::StoredValue> values) override;

 private:
  QSettings& open();
  void prepareToWrite();
  QString failureReason() const;

  std::unique_ptr<QSettings> settings_;
  // Qt parses a file once per process and reports a format error only to
  // the object that parsed it, so it is remembered here.
  bool unreadableFile_ = false;
  bool preparedToWrite_ = false;
};

}  // namespace vorlix::platform
