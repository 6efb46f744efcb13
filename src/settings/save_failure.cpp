// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/save_failure.h"

#include <array>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace vorlix::settings {
namespace {

struct Sentence {
  SaveFailure reason{};
  Translatable text;  // "%p" stands for the path, "%c" for the cause, "%t" the target
};

constexpr std::array kSentences{
    Sentence{SaveFailure::FolderNotFile,
             translatable("SaveFailure", "%p is a folder, not a file.")},
    Sentence{SaveFailure::FileNotFolder,
             translatable("SaveFailure", "%p is a file, not a folder.")},
    Sentence{SaveFailure::FolderNotCreated,
             translatable("SaveFailure", "the folder %p could not be created.")},
    Sentence{SaveFailure::NotAFile,
             translatable("SaveFailure", "%p is a pipe or a device, not a file.")},
    Sentence{SaveFailure::ReadOnlyFile, translatable("SaveFailure", "%p is read-only.")},
    Sentence{SaveFailure::LockedByAnother,
             translatable("SaveFailure", "the settings file %p is locked by another program.")},
    Sentence{SaveFailure::LockFolder,
             translatable("SaveFailure", "the lock file %p is a folder, not a file.")},
    Sentence{SaveFailure::LockNotAFile,
             translatable("SaveFailure", "the lock file %p is a pipe or a device, not a file.")},
    Sentence{
        SaveFailure::LockLinkDangling,
        translatable("SaveFailure", "the lock file %p is a link to %t, which does not exist.")},
    Sentence{SaveFailure::LockNotRemoved,
             translatable("SaveFailure", "the lock file %p could not be removed: %c.")},
    Sentence{SaveFailure::LockNotCreated,
             translatable("SaveFailure", "the lock file %p could not be created: %c.")},
    Sentence{SaveFailure::NotStorable,
             translatable("SaveFailure", "the value of %p cannot be stored in a settings file.")},
    Sentence{SaveFailure::ReadFailed, translatable("SaveFailure", "%p could not be read: %c.")},
    Sentence{SaveFailure::NotKeptAside,
             translatable("SaveFailure",
                          "%p cannot be read as settings and could not be kept aside: %c.")},
    Sentence{SaveFailure::OwnerNotKept,
             translatable("SaveFailure", "%p could not be given back to its owner: %c.")},
};

// strerror's text in lower case, as it reads inside a sentence.
std::string cause(int error) {
  std::string text = std::strerror(error);
  if (!text.empty()) {
    text.front() = static_cast<char>(std::tolower(static_cast<unsigned char>(text.front())));
  }
  return text;
}

// The sentence with its placeholders filled in.
std::string completed(std::string_view sentence, std::string_view path, int error,
                      std::string_view target) {
  std::string text;
  for (std::size_t i = 0; i < sentence.size(); ++i) {
    const char next = i + 1 < sentence.size() ? sentence[i + 1] : '\0';
    if (sentence[i] != '%' || (next != 'p' && next != 'c' && next != 't')) {
      text += sentence[i];
      continue;
    }
    text += next == 'p' ? std::string(path) : next == 'c' ? cause(error) : std::string(target);
    ++i;
  }
  return text;
}

// Said in each language as the error is told, with the cause the system
// gives in that language.
SettingsWriteError failure(Translatable sentence, std::string_view path, int error,
                           std::string_view target = {}) {
  return SettingsWriteError([sentence, path = std::string(path), error,
                             target = std::string(target)](const Language& language) {
    return completed(language.text(sentence), path, error, target);
  });
}

bool isFolder(std::string_view path) {
  std::error_code error;
  return std::filesystem::is_directory(path, error);
}

}  // namespace

SettingsWriteError saveFailure(SaveFailure reason, std::string_view path, int error,
                               std::string_view target) {
  for (const Sentence& sentence : kSentences) {
    if (sentence.reason == reason) return failure(sentence.text, path, error, target);
  }
  return failure(translatable("SaveFailure", "%p could not be written."), path, error);
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): a file, then the folder it is in
SettingsWriteError writeFailure(std::string_view file, std::string_view folder, int error) {
  switch (error) {
    case ENOSPC:
    case EDQUOT:
      return failure(translatable("SaveFailure", "%p could not be written; the disk may be full."),
                     file, error);
    case EACCES:
    case EPERM:
      return failure(translatable("SaveFailure", "the folder %p is read-only."), folder, error);
    case EROFS:
      return failure(translatable("SaveFailure", "the folder %p is on a read-only file system."),
                     folder, error);
    case ENOENT:
      if (!isFolder(folder))
        return failure(translatable("SaveFailure", "the folder %p does not exist."), folder, error);
      return failure(translatable("SaveFailure", "%p could not be written: %c."), file, error);
    default:
      return failure(translatable("SaveFailure", "%p could not be written: %c."), file, error);
  }
}

}  // namespace vorlix::settings
