#pragma once

#include <string>

#include "colors/settings_store.h"

namespace vorlix::platform {

// The reasons a save fails, each a sentence in the user's words naming the
// cause the system gave: the caller puts "The colours could not be saved: "
// before it. Paths are absolute. Each returns the error to throw.
namespace save_failure {

colors::SettingsWriteError folderNotFile(const std::string& file);
colors::SettingsWriteError fileNotFolder(const std::string& folder);
colors::SettingsWriteError folderNotCreated(const std::string& folder);
colors::SettingsWriteError notAFile(const std::string& file);
colors::SettingsWriteError readOnlyFile(const std::string& file);
colors::SettingsWriteError lockedByAnother(const std::string& file);
colors::SettingsWriteError lockFolder(const std::string& lock);
colors::SettingsWriteError lockNotRemoved(const std::string& lock, int error);
colors::SettingsWriteError lockNotCreated(const std::string& lock);
colors::SettingsWriteError notStorable(const std::string& key);

// Reading the file that is there failed with errno `error`.
colors::SettingsWriteError readFailed(const std::string& file, int error);
// Creating a file in `folder`, writing it or renaming it failed.
colors::SettingsWriteError writeFailed(const std::string& file, const std::string& folder,
                                       int error);
// Keeping an unreadable file aside failed.
colors::SettingsWriteError notKeptAside(const std::string& file, int error);

// strerror's text in lower case, as it reads inside a sentence.
std::string cause(int error);

}  // namespace save_failure
}  // namespace vorlix::platform
