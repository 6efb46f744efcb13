#include "platform/save_failure.h"

#include <cctype>
#include <cerrno>
#include <cstring>

namespace vorlix::platform::save_failure {

using colors::SettingsWriteError;

std::string cause(int error) {
  std::string text = std::strerror(error);
  if (!text.empty()) {
    text.front() = static_cast<char>(std::tolower(static_cast<unsigned char>(text.front())));
  }
  return text;
}

SettingsWriteError folderNotFile(const std::string& file) {
  return SettingsWriteError(file + " is a folder, not a file.");
}

SettingsWriteError fileNotFolder(const std::string& folder) {
  return SettingsWriteError(folder + " is a file, not a folder.");
}

SettingsWriteError folderNotCreated(const std::string& folder) {
  return SettingsWriteError("the folder " + folder + " could not be created.");
}

SettingsWriteError notAFile(const std::string& file) {
  return SettingsWriteError(file + " is a pipe or a device, not a file.");
}

SettingsWriteError readOnlyFile(const std::string& file) {
  return SettingsWriteError(file + " is read-only.");
}

SettingsWriteError lockedByAnother(const std::string& file) {
  return SettingsWriteError("the settings file " + file + " is locked by another program.");
}

SettingsWriteError lockFolder(const std::string& lock) {
  return SettingsWriteError("the lock file " + lock + " is a folder, not a file.");
}

SettingsWriteError lockNotRemoved(const std::string& lock, int error) {
  return SettingsWriteError("the lock file " + lock + " could not be removed: " + cause(error) +
                            ".");
}

SettingsWriteError lockNotCreated(const std::string& lock) {
  return SettingsWriteError("the lock file " + lock + " could not be created.");
}

SettingsWriteError notStorable(const std::string& key) {
  return SettingsWriteError("the value of " + key + " cannot be stored in a settings file.");
}

SettingsWriteError readFailed(const std::string& file, int error) {
  return SettingsWriteError(file + " could not be read: " + cause(error) + ".");
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): a file, then the folder it is in
SettingsWriteError writeFailed(const std::string& file, const std::string& folder, int error) {
  switch (error) {
    case ENOSPC:
    case EDQUOT:
      return SettingsWriteError(file + " could not be written; the disk may be full.");
    case EACCES:
    case EPERM:
      return SettingsWriteError("the folder " + folder + " is read-only.");
    case EROFS:
      return SettingsWriteError("the folder " + folder + " is on a read-only file system.");
    case ENOENT:
      return SettingsWriteError("the folder " + folder + " does not exist.");
    default:
      return SettingsWriteError(file + " could not be written: " + cause(error) + ".");
  }
}

SettingsWriteError notKeptAside(const std::string& file, int error) {
  return SettingsWriteError(
      file + " cannot be read as settings and could not be kept aside: " + cause(error) + ".");
}

}  // namespace vorlix::platform::save_failure
