#pragma once

#include <QSettings>
#include <memory>

#include "colors/settings_store.h"

namespace vorlix::platform {

// The per-user settings store on QSettings: organisation and application
// name, native format (on Linux $XDG_CONFIG_HOME/Vorlix/Vorlix.conf), no
// fallbacks. Each write is synced at once, so a failure is known at the
// key where it happens; QSettings replaces the file atomically.
class QtSettingsStore final : public colors::SettingsStore {
 public:
  QtSettingsStore() = default;

  std::string read(std::string_view application, std::string_view section,
                   std::string_view key) override;
  void write(std::string_view application, std::string_view section, std::string_view key,
             std::string_view text) override;

 private:
  QSettings& open(std::string_view application);
  void prepareToWrite(std::string_view application);
  QString failureReason() const;

  std::unique_ptr<QSettings> settings_;
  // Qt parses a file once per process and reports a format error only to
  // the object that parsed it, so it is remembered here.
  bool unreadableFile_ = false;
  bool preparedToWrite_ = false;
};

}  // namespace vorlix::platform
