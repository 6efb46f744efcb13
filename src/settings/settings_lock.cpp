// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <optional>
#include <thread>

#include "settings/save_failure.h"

namespace vorlix::settings {
namespace {

constexpr std::chrono::milliseconds kPollInterval{50};
// Far more than the five short lines of a lock.
constexpr std::size_t kLongestLockText = 4096;

// Who holds a lock file, as QLockFile writes it: one line each for the
// process id, the program's name, the host name, the machine id and the
// boot id. The last two are missing from files of older Qt versions.
struct LockOwner {
  long long pid = 0;
  std::string program;
  std::string host;
  std::string machineId;
  std::string bootId;
};

// A lock older than this is left over whoever wrote it, as QLockFile
// judges by default; saving takes far less.
constexpr std::chrono::seconds kLeftOverAfter{30};

std::string firstLineOf(const char* path) {
  std::ifstream file(path);
  std::string line;
  std::getline(file, line);
  return line;
}

std::string machineId() {
  const std::string id = firstLineOf("/etc/machine-id");
  return id.empty() ? firstLineOf("/var/lib/dbus/machine-id") : id;
}

std::string bootId() { return firstLineOf("/proc/sys/kernel/random/boot_id"); }

std::string hostName() {
  std::string name(HOST_NAME_MAX + 1, '\0');
  if (::gethostname(name.data(), name.size() - 1) != 0) return {};
  name.resize(name.find('\0'));
  return name;
}

// The file name of the program a process runs; nullopt when it cannot be
// seen (it has ended, or belongs to another user).
std::optional<std::string> programOf(long long pid) {
  std::error_code error;
  std::string path =
      std::filesystem::read_symlink("/proc/" + std::to_string(pid) + "/exe", error).string();
  if (error) return std::nullopt;
  constexpr std::string_view kDeleted = " (deleted)";
  if (path.ends_with(kDeleted)) path.resize(path.size() - kDeleted.size());
  return std::filesystem::path(path).filename().string();
}

bool isRunning(const LockOwner& owner) {
  if (::kill(static_cast<pid_t>(owner.pid), 0) != 0 && errno == ESRCH) return false;
  // A program that cannot be seen counts as another one, as for QLockFile.
  return programOf(owner.pid) == std::filesystem::path(owner.program).filename().string();
}

std::string_view nextLine(std::string_view& text) {
  const std::size_t end = text.find('\n');
  const std::string_view line = text.substr(0, end);
  text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  return line;
}

// This process, as its lock file names it.
std::string ourLockText() {
  const long long pid = ::getpid();
  return std::to_string(pid) + '\n' + programOf(pid).value_or("") + '\n' + hostName() + '\n' +
         machineId() + '\n' + bootId() + '\n';
}

// nullopt for text that names no process: junk, or a lock caught between
// its creation and the writing of its text.
std::optional<LockOwner> parseLockFile(std::string_view text) {
  const std::string_view pidLine = nextLine(text);
  LockOwner owner;
  const auto [end, error] =
      std::from_chars(pidLine.data(), pidLine.data() + pidLine.size(), owner.pid);
  if (error != std::errc{} || end != pidLine.data() + pidLine.size() || owner.pid <= 0 ||
      owner.pid > INT_MAX) {
    return std::nullopt;
  }
  owner.program = nextLine(text);
  owner.host = nextLine(text);
  owner.machineId = nextLine(text);
  owner.bootId = nextLine(text);
  return owner;
}

// Whether a lock is left over rather than held, by QLockFile's rules: on
// this machine, one from an earlier boot, or of a process that has ended or
// whose id now belongs to another program; anywhere, one older than
// kLeftOverAfter.
bool isLeftOver(const LockOwner& owner, std::chrono::seconds age) {
  bool sameMachine = owner.host.empty() || owner.host == hostName();
  if (const std::string ours = machineId(); !owner.machineId.empty() && !ours.empty()) {
    sameMachine = owner.machineId == ours;
  }
  if (sameMachine && !owner.bootId.empty() && owner.bootId != bootId()) return true;
  if (sameMachine && !isRunning(owner)) return true;
  return age > kLeftOverAfter;
}

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
[[noreturn]] void failToCreate(const std::string& file, const std::string& lock,
                               std::error_code error) {
  switch (error.value()) {
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
  if (errno != EEXIST) failToCreate(file_, path_, lastError());
  return judgeExisting();
}

void SettingsLock::hold(FileDescriptor created) {
  // Where the file system has no such locks, the exclusive creation alone
  // keeps writers apart, as with QLockFile.
  holdNatively(created.get());
  if (const std::error_code error = writeAll(created.get(), ourLockText())) {
    ::unlink(path_.c_str());
    failToCreate(file_, path_, error);
  }
  ::fdatasync(created.get());
  ::fstat(created.get(), &heldStatus_);
  held_ = std::move(created);
}

// A link at the lock's path is judged by what it names, read without
// blocking and never opened for writing, and removed as a link.
SettingsLock::Attempt SettingsLock::judgeExisting() {
  struct stat named {};
  if (::lstat(path_.c_str(), &named) != 0) return Attempt::TryAgain;  // gone meanwhile
  struct stat status = named;
  const bool isLink = S_ISLNK(named.st_mode);
  if (isLink && ::stat(path_.c_str(), &status) != 0) {
    if (errno != ENOENT) return Attempt::Wait;
    throw saveFailure(SaveFailure::LockLinkDangling, path_, {}, linkText(path_));
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
    removalError_.clear();
    return Attempt::Wait;
  }
  if (!owner && !seenAsJunkBefore(named)) return Attempt::Wait;
  const bool removed = isLink ? removeLink(named) : removeLeftOver(status);
  return removed ? Attempt::TryAgain : Attempt::Wait;
}

bool SettingsLock::seenAsJunkBefore(const struct stat& status) {
  const bool seenBefore =
      junk_.seen && junk_.device == status.st_dev && junk_.inode == status.st_ino;
  junk_ = {status.st_dev, status.st_ino, true};
  return seenBefore;
}

bool SettingsLock::removeLeftOver(const struct stat& judged) {
  // Opened for writing, as QLockFile removes a lock, and never through a
  // link: one that this user may not write is left to its owner.
  const FileDescriptor fd(
      ::open(path_.c_str(), O_WRONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY));
  if (!fd.isOpen()) {
    removalError_ = lastError();
    return false;
  }
  // Only the file that was judged goes, and only while no one holds it.
  struct stat opened {};
  if (::fstat(fd.get(), &opened) != 0 || !sameFile(opened, judged) || !holdNatively(fd.get())) {
    return false;
  }
  struct stat now {};
  if (::stat(path_.c_str(), &now) != 0 || !sameFile(now, judged)) return false;
  return removeNow();
}

// A link left over goes where it is this user's (or root's to judge): the
// link is the user's own, whatever it names, and unlink never touches what
// it names. Removers of a link take turns through an flock on the folder,
// so that none can remove a lock that another took after removing the link.
bool SettingsLock::removeLink(const struct stat& judged) {
  if (judged.st_uid != ::geteuid() && ::geteuid() != 0) {
    removalError_ = std::make_error_code(std::errc::operation_not_permitted);
    return false;
  }
  const FileDescriptor folder(::open(folderOf(path_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!folder.isOpen() || ::flock(folder.get(), LOCK_EX | LOCK_NB) != 0) return false;
  struct stat now {};
  if (::lstat(path_.c_str(), &now) != 0 || !S_ISLNK(now.st_mode) || !sameFile(now, judged)) {
    return false;
  }
  return removeNow();
}

bool SettingsLock::removeNow() {
  if (::unlink(path_.c_str()) == 0) return true;
  removalError_ = lastError();
  return false;
}

void SettingsLock::refuse(const struct stat& status) const {
  if (S_ISDIR(status.st_mode)) throw saveFailure(SaveFailure::LockFolder, path_);
  throw saveFailure(SaveFailure::LockNotAFile, path_);
}

void SettingsLock::failForGood() const {
  if (removalError_) throw saveFailure(SaveFailure::LockNotRemoved, path_, removalError_);
  throw saveFailure(SaveFailure::LockedByAnother, file_);
}

}  // namespace vorlix::settings
