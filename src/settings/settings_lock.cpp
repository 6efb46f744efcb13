// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <thread>

#include "settings/lock_owner.h"
#include "settings/save_failure.h"

namespace vorlix::settings {
namespace {

constexpr std::chrono::milliseconds kPollInterval{50};
// Far more than the five short lines of a lock.
constexpr std::size_t kLongestLockText = 4096;

std::string folderOf(const std::string& file) {
  return std::filesystem::path(file).parent_path().string();
}

bool sameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool stillAt(const std::string& path, const struct stat& status) {
  struct stat now {};
  return ::lstat(path.c_str(), &now) == 0 && sameFile(now, status);
}

// How QLockFile holds a lock's file: an flock, and a POSIX lock for
// network file systems. Removing a lock takes the same, so a lock that is
// held is never removed.
bool holdNatively(int fd) {
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) return false;
  struct flock whole {};
  whole.l_type = F_WRLCK;
  whole.l_whence = SEEK_SET;
  return ::fcntl(fd, F_SETLK, &whole) == 0;
}

std::chrono::seconds ageOf(const struct stat& status) {
  const auto modified = std::chrono::system_clock::from_time_t(status.st_mtim.tv_sec);
  const auto age = std::chrono::system_clock::now() - modified;
  return std::chrono::abs(std::chrono::duration_cast<std::chrono::seconds>(age));
}

std::string linkText(const std::string& path) {
  std::error_code error;
  return std::filesystem::read_symlink(path, error).string();
}

// Creating the lock is the first write in the settings folder, so its
// failures are told as a write's.
[[noreturn]] void failToCreate(const std::string& file, const std::string& lock, int error) {
  switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
    case ENOSPC:
    case EDQUOT:
      throw writeFailure(file, folderOf(file), error);
    default:
      throw saveFailure(SaveFailure::LockNotCreated, lock, error);
  }
}

}  // namespace

SettingsLock::SettingsLock(const std::string& file, std::chrono::milliseconds longestWait)
    : file_(file), path_(file + ".lock") {
  const auto deadline = std::chrono::steady_clock::now() + longestWait;
  for (Attempt attempt = tryOnce(); attempt != Attempt::Taken; attempt = tryOnce()) {
    if (attempt == Attempt::TryAgain) continue;
    if (std::chrono::steady_clock::now() >= deadline) failForGood();
    std::this_thread::sleep_for(kPollInterval);
  }
}

// Unlinked while still held, so that the name cannot meanwhile go to
// another program's lock and be lost to this unlink.
SettingsLock::~SettingsLock() {
  if (stillAt(path_, heldStatus_)) ::unlink(path_.c_str());
}

SettingsLock::Attempt SettingsLock::tryOnce() {
  FileDescriptor created(
      ::open(path_.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666));
  if (created.isOpen()) {
    hold(std::move(created));
    return Attempt::Taken;
  }
  if (errno != EEXIST) failToCreate(file_, path_, errno);
  return judgeExisting();
}

void SettingsLock::hold(FileDescriptor created) {
  // Where the file system has no such locks, the exclusive creation alone
  // keeps writers apart, as with QLockFile.
  holdNatively(created.get());
  if (const int error = writeAll(created.get(), lockFileText(thisProcess())); error != 0) {
    ::unlink(path_.c_str());
    failToCreate(file_, path_, error);
  }
  ::fdatasync(created.get());
  ::fstat(created.get(), &heldStatus_);
  held_ = std::move(created);
}

SettingsLock::Attempt SettingsLock::judgeExisting() {
  struct stat status {};
  if (::lstat(path_.c_str(), &status) != 0) return Attempt::TryAgain;  // gone meanwhile
  if (S_ISLNK(status.st_mode) && ::stat(path_.c_str(), &status) != 0) {
    if (errno != ENOENT) return Attempt::Wait;
    throw saveFailure(SaveFailure::LockLinkDangling, path_, 0, linkText(path_));
  }
  if (!S_ISREG(status.st_mode)) refuse(status);
  // Non-blocking, and checked again once open: the file may have been
  // replaced by a pipe since it was looked at.
  const FileDescriptor fd(::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  struct stat opened {};
  std::string text;
  if (fd.isOpen() && ::fstat(fd.get(), &opened) == 0) {
    if (!S_ISREG(opened.st_mode)) refuse(opened);
    readUpTo(fd.get(), text, kLongestLockText);
  }
  const auto owner = parseLockFile(text);
  if (owner && !isLeftOver(*owner, ageOf(status))) {
    junk_.seen = false;
    removalError_ = 0;
    return Attempt::Wait;
  }
  if (!owner && !seenAsJunkBefore(status)) return Attempt::Wait;
  return removeLeftOver(status) ? Attempt::TryAgain : Attempt::Wait;
}

bool SettingsLock::seenAsJunkBefore(const struct stat& status) {
  const bool seenBefore =
      junk_.seen && junk_.device == status.st_dev && junk_.inode == status.st_ino;
  junk_ = {status.st_dev, status.st_ino, true};
  return seenBefore;
}

bool SettingsLock::removeLeftOver(const struct stat& judged) {
  // Opened for writing, as QLockFile removes a lock: one that this user may
  // not write is left to its owner.
  const FileDescriptor fd(::open(path_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (!fd.isOpen()) {
    removalError_ = errno;
    return false;
  }
  // Only the file that was judged goes, and only while no one holds it.
  struct stat opened {};
  if (::fstat(fd.get(), &opened) != 0 || !sameFile(opened, judged) || !holdNatively(fd.get())) {
    return false;
  }
  struct stat now {};
  if (::stat(path_.c_str(), &now) != 0 || !sameFile(now, judged)) return false;
  if (::unlink(path_.c_str()) != 0) {
    removalError_ = errno;
    return false;
  }
  return true;
}

void SettingsLock::refuse(const struct stat& status) const {
  if (S_ISDIR(status.st_mode)) throw saveFailure(SaveFailure::LockFolder, path_);
  throw saveFailure(SaveFailure::LockNotAFile, path_);
}

void SettingsLock::failForGood() const {
  if (removalError_ != 0) throw saveFailure(SaveFailure::LockNotRemoved, path_, removalError_);
  throw saveFailure(SaveFailure::LockedByAnother, file_);
}

}  // namespace vorlix::settings
