// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/stat.h>

#include <chrono>
#include <string>

#include "settings/file_descriptor.h"

namespace vorlix::settings {

// The lock file beside a settings file, `<file>.lock`, written, held and
// judged as QLockFile does: any program that saves the same file through
// QSettings takes turns with this one. POSIX calls on
// the path's own bytes, so that a folder whose name is not UTF-8 locks too,
// and nothing at the lock's path is opened in a way that could block. Held
// while the object lives.
class SettingsLock {
 public:
  static constexpr std::chrono::milliseconds kLongestWait{2000};

  // Waits at most `longestWait` for the lock. A lock left over by a process
  // that has ended is removed at once, and so is a lock file holding junk,
  // where this user may remove it; a link in the lock's place is judged by
  // what it names and removed as a link, never written through. Throws
  // SettingsWriteError, saying why, when the lock stays out of reach, or at
  // once when what is at the lock's path is no lock file at all (a folder,
  // a pipe, a device, a dangling link).
  explicit SettingsLock(const std::string& file,
                        std::chrono::milliseconds longestWait = kLongestWait);
  ~SettingsLock();
  SettingsLock(const SettingsLock&) = delete;
  SettingsLock& operator=(const SettingsLock&) = delete;

 private:
  enum class Attempt { Taken, TryAgain, Wait };

  Attempt tryOnce();
  void hold(FileDescriptor created);
  Attempt judgeExisting();
  bool seenAsJunkBefore(const struct stat& status);
  bool removeLeftOver(const struct stat& judged);
  bool removeLink(const struct stat& judged);
  bool removeNow();
  [[noreturn]] void refuse(const struct stat& status) const;
  [[noreturn]] void failForGood() const;

  std::string file_;
  std::string path_;
  FileDescriptor held_;
  struct stat heldStatus_ {};
  // Why a left-over lock could not be removed, if it could not.
  std::error_code removalError_;
  // A lock file that holds junk is removed only once it has been seen to
  // hold junk twice: QLockFile writes a new lock's text just after creating
  // it, and removing one caught in between would let two writers in.
  struct Junk {
    dev_t device = 0;
    ino_t inode = 0;
    bool seen = false;
  } junk_;
};

}  // namespace vorlix::settings
