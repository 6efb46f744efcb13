// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/in_place_replace.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include "settings/file_descriptor.h"
#include "settings/save_failure.h"
#include "settings/settings_file.h"
#include "settings/settings_lock.h"

namespace vorlix::settings {
namespace {

// While the file is this long, neither its old text nor a half-written new
// one is taken for colours.
constexpr auto kUnreadableLength = static_cast<off_t>(SettingsFile::kLargestFile + 1);

// Takes an flock, LOCK_SH or LOCK_EX, waiting as long as for the lock file.
// False only when another process holds it all that time.
bool flockWithin(int fd, int operation) {
  const auto deadline = std::chrono::steady_clock::now() + SettingsLock::kLongestWait;
  while (::flock(fd, operation | LOCK_NB) != 0) {
    if (errno != EWOULDBLOCK && errno != EINTR) return true;  // no flocks here
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return true;
}

std::error_code writeFromStart(int fd, std::string_view text) {
  off_t at = 0;
  while (!text.empty()) {
    const ssize_t written = ::pwrite(fd, text.data(), text.size(), at);
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) return lastError();
    text.remove_prefix(static_cast<std::size_t>(written));
    at += written;
  }
  return {};
}

// fdatasync after each step, so that after a crash too the disk has gone
// through the same states in the same order: it also writes out a length.
std::error_code writeOver(int fd, std::string_view text) {
  if (::ftruncate(fd, kUnreadableLength) != 0 || ::fdatasync(fd) != 0) return lastError();
  if (const std::error_code error = writeFromStart(fd, text)) return error;
  if (::fdatasync(fd) != 0) return lastError();
  if (::ftruncate(fd, static_cast<off_t>(text.size())) != 0 || ::fdatasync(fd) != 0) {
    return lastError();
  }
  return {};
}

}  // namespace

FileDescriptor openInPlace(const LinkTarget& target, const std::string& shownFile,
                           const struct stat& judged) {
  FileDescriptor fd(
      ::open(target.path.c_str(), O_WRONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY));
  struct stat opened {};
  if (!fd.isOpen() || ::fstat(fd.get(), &opened) != 0) {
    throw writeFailure(shownFile, target.folder, lastError());
  }
  if (opened.st_dev != judged.st_dev || opened.st_ino != judged.st_ino) {
    // Replaced meanwhile, by a program that takes no lock.
    throw writeFailure(shownFile, target.folder,
                       std::make_error_code(std::errc::resource_unavailable_try_again));
  }
  if (!flockWithin(fd.get(), LOCK_EX)) {
    throw saveFailure(SaveFailure::LockedByAnother, shownFile);
  }
  return fd;
}

void replaceInPlace(int fd, const LinkTarget& target, const std::string& shownFile,
                    std::string_view content, std::string_view old) {
  if (const std::error_code error = writeOver(fd, content)) {
    // The old text had its room on disk, so it goes back even where the new
    // one ran out of room; should that fail too, the file stays too long to
    // read, as after a kill.
    (void)writeOver(fd, old);
    throw writeFailure(shownFile, target.folder, error);
  }
}

void waitForWriteInPlace(int fd) { (void)flockWithin(fd, LOCK_SH); }

}  // namespace vorlix::settings
