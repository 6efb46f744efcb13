// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/save_failure.h"

#include <array>
#include <cctype>
#include <cerrno>
#include <filesystem>

namespace vorlix::settings {
namespace {

struct Sentence {
  SaveFailure reason{};
  Translatable text;  // "%1" stands for the path, "%2" for the cause, "%3" the target
};

constexpr std::array kSentences{
    Sentence{SaveFailure::FolderNotFile,
             translatable("SaveFailure", "%1 is a folder, not a file.")},
    Sentence{SaveFailure::FileNotFolder,
             translatable("SaveFailure", "%1 is a file, not a folder.")},
    Sentence{SaveFailure::FolderNotCreated,
             translatable("SaveFailure", "the folder %1 could not be created.")},
    Sentence{SaveFailure::NotAFile,
             translatable("SaveFailure", "%1 is a pipe or a device, not a file.")},
    Sentence{SaveFailure::ReadOnlyFile, translatable("SaveFailure", "%1 is read-only.")},
    Sentence{SaveFailure::LockedByAnother,
             translatable("SaveFailure", "the settings file %1 is locked by another program.")},
    Sentence{SaveFailure::LockFolder,
             translatable("SaveFailure", "the lock file %1 is a folder, not a file.")},
    Sentence{SaveFailure::LockNotAFile,
             translatable("SaveFailure", "the lock file %1 is a pipe or a device, not a file.")},
    Sentence{
        SaveFailure::LockLinkDangling,
        translatable("SaveFailure", "the lock file %1 is a link to %3, which does not exist.")},
    Sentence{SaveFailure::LockNotRemoved,
             translatable("SaveFailure", "the lock file %1 could not be removed: %2.")},
    Sentence{SaveFailure::LockNotCreated,
             translatable("SaveFailure", "the lock file %1 could not be created: %2.")},
    Sentence{SaveFailure::NotStorable,
             translatable("SaveFailure", "the value of %1 cannot be stored in a settings file.")},
    Sentence{SaveFailure::ReadFailed, translatable("SaveFailure", "%1 could not be read: %2.")},
    Sentence{SaveFailure::NotKeptAside,
             translatable("SaveFailure",
                          "%1 cannot be read as settings and could not be kept aside: %2.")},
    Sentence{SaveFailure::OwnerNotKept,
             translatable("SaveFailure", "%1 could not be given back to its owner: %2.")},
};

// The system's text for the error in lower case, as it reads inside a
// sentence.
std::string cause(std::error_code error) {
  std::string text = error.message();
  if (!text.empty()) {
    text.front() = static_cast<char>(std::tolower(static_cast<unsigned char>(text.front())));
  }
  return text;
}

// Said in each language as the error is told, with the cause the system
// gives in that language.
SettingsWriteError failure(Translatable sentence, std::string_view path, std::error_code error,
                           std::string_view target = {}) {
  return SettingsWriteError([sentence, path = std::string(path), error,
                             target = std::string(target)](const Language& language) {
    return filledIn(language.text(sentence), {path, cause(error), target});
  });
}

bool isFolder(std::string_view path) {
  std::error_code error;
  return std::filesystem::is_directory(path, error);
}

}  // namespace

SettingsWriteError saveFailure(SaveFailure reason, std::string_view path, std::error_code error,
                               std::string_view target) {
  for (const Sentence& sentence : kSentences) {
    if (sentence.reason == reason) return failure(sentence.text, path, error, target);
  }
  return failure(translatable("SaveFailure", "%1 could not be written."), path, error);
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): a file, then the folder it is in
SettingsWriteError writeFailure(std::string_view file, std::string_view folder,
                                std::error_code error) {
  switch (error.value()) {
    case ENOSPC:
    case EDQUOT:
      return failure(translatable("SaveFailure", "%1 could not be written; the disk may be full."),
                     file, error);
    case EACCES:
    case EPERM:
      return failure(translatable("SaveFailure", "the folder %1 is read-only."), folder, error);
    case EROFS:
      return failure(translatable("SaveFailure", "the folder %1 is on a read-only file system."),
                     folder, error);
    case ENOENT:
      if (!isFolder(folder))
        return failure(translatable("SaveFailure", "the folder %1 does not exist."), folder, error);
      return failure(translatable("SaveFailure", "%1 could not be written: %2."), file, error);
    default:
      return failure(translatable("SaveFailure", "%1 could not be written: %2."), file, error);
  }
}

}  // namespace vorlix::settings
