// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/atomic_replace.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <filesystem>
#include <memory>

#include "settings/file_descriptor.h"
#include "settings/save_failure.h"

namespace vorlix::settings {
namespace {

constexpr std::string_view kTemporaryMark = ".saving.";
constexpr std::string_view kNameLetters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kRandomLetters = 6;
constexpr int kNameAttempts = 100;

std::string randomLetters() {
  std::array<unsigned char, kRandomLetters> bytes{};
  if (::getrandom(bytes.data(), bytes.size(), 0) != static_cast<ssize_t>(bytes.size())) {
    // Without randomness O_EXCL still keeps names apart; only retries grow.
    bytes.fill(static_cast<unsigned char>(::getpid()));
  }
  std::string letters;
  for (const unsigned char byte : bytes) letters += kNameLetters[byte % kNameLetters.size()];
  return letters;
}

// A temporary is in use while an flock on it is held: through `inUse`, a
// second descriptor of the same open file, it lasts until the rename is
// done, after `file` has been closed to learn of a failed write.
struct Temporary {
  FileDescriptor file;
  FileDescriptor inUse;
  std::string path;
};

bool isNamed(const std::string& path, int fd) {
  struct stat named {};
  struct stat opened {};
  return ::lstat(path.c_str(), &named) == 0 && ::fstat(fd, &opened) == 0 &&
         named.st_dev == opened.st_dev && named.st_ino == opened.st_ino;
}

// mkstemp's pattern by hand: open() with O_EXCL and mode 0666 lets the
// user's umask decide a new file's permissions, as for any other file.
Temporary createTemporary(const LinkTarget& target, const std::string& shownFile) {
  const std::string prefix = target.path + std::string(kTemporaryMark);
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    std::string path = prefix + randomLetters();
    FileDescriptor file(
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666));
    if (!file.isOpen() && errno != EEXIST)
      throw writeFailure(shownFile, target.folder, lastError());
    if (!file.isOpen()) continue;
    FileDescriptor inUse(::fcntl(file.get(), F_DUPFD_CLOEXEC, 0));
    // Another close's sweep may have found the new file before the flock:
    // then it is gone, and another name is tried.
    if (inUse.isOpen() && ::flock(inUse.get(), LOCK_EX) == 0 && isNamed(path, file.get())) {
      return {std::move(file), std::move(inUse), std::move(path)};
    }
  }
  throw writeFailure(shownFile, target.folder, std::make_error_code(std::errc::file_exists));
}

// Why a needed fchown failed, if it did. Root saving another user's file (sudo
// keeping HOME) must hand the new file to that user, who could otherwise
// never save the colours again; where root cannot (no CAP_CHOWN, a file
// system without owners), the save fails unless the new file has the old
// one's owner and group anyway. Only root can give a file away; anyone
// else's new file is their own, as a file in their own folder should be.
std::error_code keepOwner(int fd, const std::optional<struct stat>& replaced) {
  if (!replaced || ::geteuid() != 0) return {};
  if (::fchown(fd, replaced->st_uid, replaced->st_gid) == 0) return {};
  const std::error_code error = lastError();
  struct stat made {};
  const bool sameOwner =
      ::fstat(fd, &made) == 0 && made.st_uid == replaced->st_uid && made.st_gid == replaced->st_gid;
  return sameOwner ? std::error_code() : error;
}

// Why the first step that failed did, if one did.
std::error_code fill(Temporary& temporary, std::string_view content,
                     const std::optional<struct stat>& replaced) {
  if (replaced) (void)::fchmod(temporary.file.get(), replaced->st_mode & 07777);
  if (const std::error_code error = writeAll(temporary.file.get(), content)) return error;
  if (::fdatasync(temporary.file.get()) != 0) return lastError();
  return temporary.file.close();
}

// The rename is durable only once the folder is; a failure here loses
// nothing that a crash would not, so it is not reported.
void flushFolder(const std::string& folder) {
  const FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.isOpen()) (void)::fsync(fd.get());
}

// Whether `entry`, a name in the target's folder, is one of its temporaries.
bool isTemporaryName(std::string_view entry, std::string_view targetName) {
  if (!entry.starts_with(targetName)) return false;
  entry.remove_prefix(targetName.size());
  if (!entry.starts_with(kTemporaryMark)) return false;
  entry.remove_prefix(kTemporaryMark.size());
  return entry.size() == kRandomLetters && std::all_of(entry.begin(), entry.end(), [](char c) {
           return kNameLetters.find(c) != std::string_view::npos;
         });
}

}  // namespace

void replaceAtomically(const LinkTarget& target, const std::string& shownFile,
                       std::string_view content, const std::optional<struct stat>& replaced) {
  Temporary temporary = createTemporary(target, shownFile);
  if (const std::error_code error = keepOwner(temporary.file.get(), replaced)) {
    ::unlink(temporary.path.c_str());
    throw saveFailure(SaveFailure::OwnerNotKept, shownFile, error);
  }
  std::error_code error = fill(temporary, content, replaced);
  if (!error && ::rename(temporary.path.c_str(), target.path.c_str()) != 0) error = lastError();
  if (error) {
    ::unlink(temporary.path.c_str());
    throw writeFailure(shownFile, target.folder, error);
  }
  flushFolder(target.folder);
}

void removeStaleTemporaries(const LinkTarget& target) {
  const std::unique_ptr<DIR, int (*)(DIR*)> folder(::opendir(target.folder.c_str()), ::closedir);
  if (!folder) return;
  const std::string targetName = std::filesystem::path(target.path).filename().string();
  const int folderFd = ::dirfd(folder.get());
  while (const dirent* entry = ::readdir(folder.get())) {
    const char* name = static_cast<const char*>(entry->d_name);
    if (!isTemporaryName(name, targetName)) continue;
    const FileDescriptor fd(
        ::openat(folderFd, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat opened {};
    struct stat named {};
    if (!fd.isOpen() || ::fstat(fd.get(), &opened) != 0 || !S_ISREG(opened.st_mode) ||
        opened.st_uid != ::geteuid() || ::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
      continue;  // not ours, or in use by a close that is writing it
    }
    if (::fstatat(folderFd, name, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
        named.st_dev == opened.st_dev && named.st_ino == opened.st_ino) {
      ::unlinkat(folderFd, name, 0);
    }
  }
}

}  // namespace vorlix::settings
