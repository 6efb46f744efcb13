// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_lock.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <thread>

#include "settings/file_descriptor.h"
#include "settings/save_failure.h"

namespace vorlix::settings {
namespace {

constexpr std::chrono::milliseconds kPollInterval{50};

QString qPath(const std::string& path) { return QFile::decodeName(QByteArray(path.c_str())); }

std::string folderOf(const std::string& file) {
  return std::filesystem::path(file).parent_path().string();
}

bool isProcessAlive(qint64 pid) {
  if (pid <= 0) return false;
  return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

}  // namespace

SettingsLock::SettingsLock(const std::string& file, std::chrono::milliseconds longestWait)
    : file_(file), lockPath_(file + ".lock"), lock_(qPath(lockPath_)) {
  const auto deadline = std::chrono::steady_clock::now() + longestWait;
  while (!tryOnce()) {
    if (std::chrono::steady_clock::now() >= deadline) failForGood();
    std::this_thread::sleep_for(kPollInterval);
  }
}

bool SettingsLock::tryOnce() {
  // tryLock(0) takes over the lock of a process that has ended by itself.
  if (lock_.tryLock(0)) return true;
  if (lock_.error() == QLockFile::PermissionError || lock_.error() == QLockFile::UnknownError) {
    failToCreate();
  }
  qint64 pid = 0;
  QString host;
  QString application;
  if (lock_.getLockInfo(&pid, &host, &application)) {
    junk_.seen = false;
    return false;
  }
  struct stat status {};
  if (::lstat(lockPath_.c_str(), &status) != 0) return false;  // gone meanwhile: try again
  const bool seenBefore =
      junk_.seen && junk_.device == status.st_dev && junk_.inode == status.st_ino;
  junk_ = {status.st_dev, status.st_ino, true};
  if (seenBefore && lock_.removeStaleLockFile()) return lock_.tryLock(0);
  return false;
}

void SettingsLock::failForGood() const {
  struct stat status {};
  if (::lstat(lockPath_.c_str(), &status) == 0 && S_ISDIR(status.st_mode)) {
    throw saveFailure(SaveFailure::LockFolder, lockPath_);
  }
  qint64 pid = 0;
  QString host;
  QString application;
  if (lock_.getLockInfo(&pid, &host, &application) && isProcessAlive(pid)) {
    throw saveFailure(SaveFailure::LockedByAnother, file_);
  }
  // QLockFile removes a stale lock only through a descriptor open for
  // writing, so that is what failed.
  const FileDescriptor probe(::open(lockPath_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
  if (!probe.isOpen()) throw saveFailure(SaveFailure::LockNotRemoved, lockPath_, errno);
  throw saveFailure(SaveFailure::LockedByAnother, file_);
}

// QLockFile reports no errno, so the cause is looked up in the folder.
void SettingsLock::failToCreate() const {
  const std::string folder = folderOf(file_);
  struct statvfs space {};
  const bool known = ::statvfs(folder.c_str(), &space) == 0;
  if (known && (space.f_flag & ST_RDONLY) != 0) {
    throw writeFailure(file_, folder, EROFS);
  }
  if (lock_.error() == QLockFile::PermissionError) {
    throw writeFailure(file_, folder, EACCES);
  }
  if (known && space.f_bavail == 0) throw writeFailure(file_, folder, ENOSPC);
  throw saveFailure(SaveFailure::LockNotCreated, lockPath_);
}

}  // namespace vorlix::settings
