// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <optional>

#include "settings/atomic_replace.h"
#include "settings/file_descriptor.h"
#include "settings/in_place_replace.h"
#include "settings/kept_aside.h"
#include "settings/link_target.h"
#include "settings/save_failure.h"
#include "settings/settings_lock.h"
#include "settings/settings_text.h"

namespace vorlix::settings {
namespace {

// O_NONBLOCK: opening a named pipe must not wait for a writer that never
// comes. Links are followed: a linked file is as good as a real one.
FileDescriptor openForReading(const std::string& path) {
  return FileDescriptor(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
}

// The settings folder, made as the XDG rules ask (0700) when missing. A file
// where it or a folder above it should be is named as such: mkdir says no
// more than that the name is taken, or that a path is not a folder.
void ensureFolder(const std::string& folder) {
  struct stat status {};
  if (::stat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode)) return;
  std::filesystem::path made;
  for (const auto& part : std::filesystem::path(folder)) {
    made /= part;
    if (::stat(made.c_str(), &status) == 0) {
      if (!S_ISDIR(status.st_mode)) throw saveFailure(SaveFailure::FileNotFolder, made.string());
    } else if (::mkdir(made.c_str(), 0700) != 0 && errno != EEXIST) {
      throw saveFailure(SaveFailure::FolderNotCreated, folder);
    }
  }
  if (::stat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode)) {
    throw saveFailure(SaveFailure::FolderNotCreated, folder);
  }
}

// What is on disk now, under the lock.
struct CurrentFile {
  std::string text;
  std::optional<struct stat> status;  // none when there is no file yet
  bool tooLarge = false;
  // Open for writing, and flocked, when the file has other names.
  FileDescriptor inPlace;
};

void refuseToReplace(const std::string& shown, const LinkTarget& target,
                     const struct stat& status) {
  if (S_ISDIR(status.st_mode)) throw saveFailure(SaveFailure::FolderNotFile, shown);
  if (!S_ISREG(status.st_mode)) throw saveFailure(SaveFailure::NotAFile, shown);
  // A file without write permission was made read-only on purpose; root's
  // ability to write anyway does not change that.
  if ((status.st_mode & 0222) == 0) throw saveFailure(SaveFailure::ReadOnlyFile, shown);
  if (::faccessat(AT_FDCWD, target.path.c_str(), W_OK, AT_EACCESS) != 0 &&
      (errno == EACCES || errno == EPERM)) {
    throw saveFailure(SaveFailure::ReadOnlyFile, shown);
  }
}

CurrentFile currentFile(const std::string& shown, const LinkTarget& target) {
  const FileDescriptor fd = openForReading(target.path);
  if (!fd.isOpen() && errno == ENOENT) return {};
  if (!fd.isOpen()) throw saveFailure(SaveFailure::ReadFailed, shown, lastError());
  struct stat status {};
  if (::fstat(fd.get(), &status) != 0) {
    throw saveFailure(SaveFailure::ReadFailed, shown, lastError());
  }
  refuseToReplace(shown, target, status);
  CurrentFile current;
  current.status = status;
  if (status.st_nlink > 1) current.inPlace = openInPlace(target, shown, status);
  current.tooLarge = static_cast<std::size_t>(status.st_size) > SettingsFile::kLargestFile;
  if (current.tooLarge) return current;
  if (const std::error_code error = readUpTo(fd.get(), current.text, SettingsFile::kLargestFile)) {
    throw saveFailure(SaveFailure::ReadFailed, shown, error);
  }
  current.tooLarge = current.text.size() > SettingsFile::kLargestFile;
  return current;
}

// A file with something in it but no section of ours was not written by
// this program: it is kept for the user rather than edited.
bool isOurs(const CurrentFile& current, std::string_view section) {
  return !current.tooLarge &&
         (hasReadableSection(current.text, section) || isBlankOrCommentsOnly(current.text));
}

}  // namespace

StoredSection SettingsFile::read(std::string_view section) {
  try {
    const FileDescriptor fd = openForReading(file_);
    struct stat status {};
    if (!fd.isOpen() || ::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode)) return {};
    // Too long, with other names: a close may be writing it in place.
    if (static_cast<std::size_t>(status.st_size) > kLargestFile && status.st_nlink > 1) {
      waitForWriteInPlace(fd.get());
      if (::fstat(fd.get(), &status) != 0) return {};
    }
    if (static_cast<std::size_t>(status.st_size) > kLargestFile) return {};
    std::string text;
    if (readUpTo(fd.get(), text, kLargestFile) || text.size() > kLargestFile) return {};
    return readSection(text, section);
  } catch (const std::exception&) {
    return {};  // out of memory: the colours stay as they are
  }
}

void SettingsFile::write(std::string_view section, std::span<const StoredValue> values) {
  for (const StoredValue& value : values) {
    if (!isStorable(value)) throw saveFailure(SaveFailure::NotStorable, value.key);
  }
  ensureFolder(std::filesystem::path(file_).parent_path().string());
  const SettingsLock lock(file_);
  const LinkTarget target = linkTarget(file_);
  removeStaleTemporaries(target);
  const CurrentFile current = currentFile(file_, target);
  const bool keepsText = isOurs(current, section);
  std::string text = keepsText ? withValues(current.text, section, values) : std::string{};
  // What a close writes is read at the next start: a file that the new
  // keys would take past the size limit goes aside like one not ours.
  const bool keptAside = current.status && (!keepsText || text.size() > kLargestFile);
  if (keptAside) {
    keepAside(target.path);
    text = withValues({}, section, values);
  }
  // A file kept aside shares its bytes with the kept copy: the fresh file
  // is a new one.
  if (current.inPlace.isOpen() && !keptAside) {
    replaceInPlace(current.inPlace.get(), target, file_, text, current.text);
  } else {
    replaceAtomically(target, file_, text, current.status);
  }
}

}  // namespace vorlix::settings
