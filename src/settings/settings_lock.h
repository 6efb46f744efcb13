// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLockFile>
#include <chrono>
#include <string>

namespace vorlix::settings {

// The lock file beside a settings file, `<file>.lock` in QLockFile's
// format: earlier builds lock the same file through QSettings, so two
// programs closing together take turns. Held while the object lives.
class SettingsLock {
 public:
  static constexpr std::chrono::milliseconds kLongestWait{2000};

  // Waits at most `longestWait` for the lock. A lock of a process that has
  // ended is taken over at once, and a lock file holding junk is removed
  // where it can be. Throws SettingsWriteError when the lock stays out of
  // reach, saying why.
  explicit SettingsLock(const std::string& file,
                        std::chrono::milliseconds longestWait = kLongestWait);
  ~SettingsLock() = default;
  SettingsLock(const SettingsLock&) = delete;
  SettingsLock& operator=(const SettingsLock&) = delete;

 private:
  bool tryOnce();
  [[noreturn]] void failForGood() const;
  [[noreturn]] void failToCreate() const;

  std::string file_;
  std::string lockPath_;
  QLockFile lock_;
  // A lock file that holds junk is removed only once it has been seen to
  // hold junk twice: QLockFile writes a new lock's content just after
  // creating it, and removing one caught in between would let two writers in.
  struct Junk {
    dev_t device = 0;
    ino_t inode = 0;
    bool seen = false;
  } junk_;
};

}  // namespace vorlix::settings
