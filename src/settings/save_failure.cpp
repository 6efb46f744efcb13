// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/save_failure.h"

#include <array>
#include <cctype>
#include <cerrno>
#include <filesystem>

namespace vorlix::settings {
namespace {

// Each sentence follows "The colours could not be saved: " and names the
// cause: "%1" stands for the path, "%2" for the system's reason and "%3"
// for the target of a link.
struct Sentence {
  SaveFailure reason{};
  Translatable text;
};

constexpr std::array kSentences{
    Sentence{SaveFailure::FolderNotFile,
             //: After "The colours could not be saved: ". %1 is the settings
             //: file's path, where a folder stands.
             translatable("SaveFailure", "%1 is a folder, not a file.")},
    Sentence{SaveFailure::FileNotFolder,
             //: After "The colours could not be saved: ". %1 is a path where
             //: the settings folder (or a folder above it) should be.
             translatable("SaveFailure", "%1 is a file, not a folder.")},
    Sentence{SaveFailure::FolderNotCreated,
             //: After "The colours could not be saved: ". %1 is the settings
             //: folder's path.
             translatable("SaveFailure", "the folder %1 could not be created.")},
    Sentence{SaveFailure::NotAFile,
             //: After "The colours could not be saved: ". %1 is the settings
             //: file's path; a pipe is a named pipe (FIFO).
             translatable("SaveFailure", "%1 is a pipe or a device, not a file.")},
    Sentence{SaveFailure::ReadOnlyFile,
             //: After "The colours could not be saved: ". %1 is the settings
             //: file's path.
             translatable("SaveFailure", "%1 is read-only.")},
    Sentence{SaveFailure::LockedByAnother,
             //: After "The colours could not be saved: ". %1 is the settings
             //: file's path.
             translatable("SaveFailure", "the settings file %1 is locked by another program.")},
    Sentence{SaveFailure::LockFolder,
             //: After "The colours could not be saved: ". %1 is the path of
             //: the lock file taken while the settings file is written.
             translatable("SaveFailure", "the lock file %1 is a folder, not a file.")},
    Sentence{SaveFailure::LockNotAFile,
             //: After "The colours could not be saved: ". %1 is the lock
             //: file's path.
             translatable("SaveFailure", "the lock file %1 is a pipe or a device, not a file.")},
    Sentence{
        SaveFailure::LockLinkDangling,
        //: After "The colours could not be saved: ". %1 is the lock file's
        //: path, a symbolic link; %3 is the path the link names, where
        //: nothing exists.
        translatable("SaveFailure", "the lock file %1 is a link to %3, which does not exist.")},
    Sentence{SaveFailure::LockNotRemoved,
             //: After "The colours could not be saved: ". %1 is the path of a
             //: lock file left behind; %2 is the system's reason, as
             //: strerror gives it ("Permission denied").
             translatable("SaveFailure", "the lock file %1 could not be removed: %2.")},
    Sentence{SaveFailure::LockNotCreated,
             //: After "The colours could not be saved: ". %1 is the lock
             //: file's path; %2 is the system's reason ("Permission denied").
             translatable("SaveFailure", "the lock file %1 could not be created: %2.")},
    Sentence{SaveFailure::NotStorable,
             //: After "The colours could not be saved: ". %1 is the name of a
             //: setting ("Text1(0)") whose value a settings file cannot hold.
             translatable("SaveFailure", "the value of %1 cannot be stored in a settings file.")},
    Sentence{SaveFailure::ReadFailed,
             //: After "The colours could not be saved: ". %1 is the settings
             //: file's path; %2 is the system's reason ("Input/output error").
             translatable("SaveFailure", "%1 could not be read: %2.")},
    Sentence{SaveFailure::NotKeptAside,
             //: After "The colours could not be saved: ". %1 is the settings
             //: file's path: its content is not settings, and it could not be
             //: renamed out of the way so as to keep it; %2 is the system's
             //: reason.
             translatable("SaveFailure",
                          "%1 cannot be read as settings and could not be kept aside: %2.")},
    Sentence{SaveFailure::OwnerNotKept,
             //: After "The colours could not be saved: ". %1 is the settings
             //: file's path: written anew by the administrator, it could not
             //: be given the owner the file had before; %2 is the system's
             //: reason.
             translatable("SaveFailure", "%1 could not be given back to its owner: %2.")},
};

// The system's text for the error, in the user's language. English writes
// it in lower case inside a sentence ("no space left on device"); other
// languages keep its case, as German keeps a noun's capital.
std::string cause(std::error_code error, const Language& language) {
  std::string text = error.message();
  if (!text.empty() && language.isEnglish()) {
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
    return filledIn(language.text(sentence), {path, cause(error, language), target});
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
  //: After "The colours could not be saved: ". %1 is the settings file's path.
  return failure(translatable("SaveFailure", "%1 could not be written."), path, error);
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): a file, then the folder it is in
SettingsWriteError writeFailure(std::string_view file, std::string_view folder,
                                std::error_code error) {
  switch (error.value()) {
    case ENOSPC:
    case EDQUOT:
      //: After "The colours could not be saved: ". %1 is the settings
      //: file's path.
      return failure(translatable("SaveFailure", "%1 could not be written; the disk may be full."),
                     file, error);
    case EACCES:
    case EPERM:
      //: After "The colours could not be saved: ". %1 is the settings
      //: folder's path.
      return failure(translatable("SaveFailure", "the folder %1 is read-only."), folder, error);
    case EROFS:
      //: After "The colours could not be saved: ". %1 is the settings
      //: folder's path.
      return failure(translatable("SaveFailure", "the folder %1 is on a read-only file system."),
                     folder, error);
    case ENOENT:
      if (!isFolder(folder)) {
        //: After "The colours could not be saved: ". %1 is the settings
        //: folder's path.
        return failure(translatable("SaveFailure", "the folder %1 does not exist."), folder, error);
      }
      break;
    default:
      break;
  }
  //: After "The colours could not be saved: ". %1 is the settings file's
  //: path; %2 is the system's reason ("Permission denied").
  return failure(translatable("SaveFailure", "%1 could not be written: %2."), file, error);
}

}  // namespace vorlix::settings
