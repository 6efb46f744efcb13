// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/stat.h>

#include <string>
#include <string_view>

#include "settings/file_descriptor.h"
#include "settings/link_target.h"

namespace vorlix::settings {

// A file with more than one name (hard links) is written where it is, so
// that every name gets the new text: a rename would give it to one name
// and leave the others the old one.

// Opens the file at `target`, the one `judged` describes, for writing, and
// takes an flock on it: closes that reach it by different names take
// different lock files, and the flock keeps them apart. Taken before the
// file is read and held until it is written. Throws SettingsWriteError,
// naming the file as `shownFile`.
FileDescriptor openInPlace(const LinkTarget& target, const std::string& shownFile,
                           const struct stat& judged);

// Replaces the text of the file open as `fd`. The file is first made longer
// than a start reads (SettingsFile::kLargestFile), then written from its
// first byte, then cut to the new text's length, each step on disk before
// the next begins. A kill at any moment leaves every name with the old
// text, the new one, or a file the next start does not read and the next
// close keeps aside as unreadable. The owner and permissions stay, being
// the file's own. When a step fails, `old` is written back the same way
// and SettingsWriteError thrown.
void replaceInPlace(int fd, const LinkTarget& target, const std::string& shownFile,
                    std::string_view content, std::string_view old);

// Waits, as long as for the lock file, for the end of a write in place of
// the file open as `fd`: until then the file is too long to be read.
void waitForWriteInPlace(int fd);

}  // namespace vorlix::settings
