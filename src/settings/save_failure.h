// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <system_error>

#include "settings/settings_store.h"

namespace vorlix::settings {

// Why a save failed, each a sentence in the user's words naming the cause
// the system gave; the caller puts "The colours could not be saved: "
// before it.
enum class SaveFailure {
  FolderNotFile,     // the settings file's place holds a folder
  FileNotFolder,     // the settings folder's place holds a file
  FolderNotCreated,  // the settings folder could not be made
  NotAFile,          // a pipe or a device where the file should be
  ReadOnlyFile,      // the user made the file read-only
  LockedByAnother,   // another program holds the lock
  LockFolder,        // a folder where the lock file should be
  LockNotAFile,      // a pipe or a device where the lock file should be
  LockLinkDangling,  // a link to nothing where the lock file should be
  LockNotRemoved,    // a lock left behind could not be removed
  LockNotCreated,    // the lock file could not be made
  NotStorable,       // the path is the key whose value cannot be written
  ReadFailed,        // the file that is there could not be read
  NotKeptAside,      // an unreadable file could not be moved out of the way
  OwnerNotKept,      // root could not give the new file the old one's owner
};

// The error to throw. `path` is an absolute path (or a key); `error` is
// the cause where the sentence names one, and `target` the path a link
// names.
SettingsWriteError saveFailure(SaveFailure reason, std::string_view path,
                               std::error_code error = {}, std::string_view target = {});

// Creating a file in `folder`, writing it or renaming it over `file`
// failed with `error`. A file missing from a folder that is there is
// no missing folder: that is said as the file's failure.
SettingsWriteError writeFailure(std::string_view file, std::string_view folder,
                                std::error_code error);

}  // namespace vorlix::settings
