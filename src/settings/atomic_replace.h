// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/stat.h>

#include <optional>
#include <string>
#include <string_view>

#include "settings/link_target.h"

namespace vorlix::settings {

// Replaces the file at `target` by one holding `content`: written to a
// temporary <name>.saving.XXXXXX in the same folder, flushed to disk, then
// renamed over it. Readers see the old file or the new one, never a torn
// one, and a kill at any moment leaves one of them whole. The new file
// keeps the permission bits of the one it replaces and, when root writes
// it, the owner: root's save fails rather than leave the owner a file they
// cannot write. `shownFile` names the file in messages. Throws
// SettingsWriteError; the old file is then untouched.
void replaceAtomically(const LinkTarget& target, const std::string& shownFile,
                       std::string_view content, const std::optional<struct stat>& replaced);

// Removes temporaries that a close killed half-way left beside `target`:
// regular files of this user named exactly as replaceAtomically names
// them, and not in use: a close holds its temporary's flock until the
// rename, and a kill lets it go.
void removeStaleTemporaries(const LinkTarget& target);

}  // namespace vorlix::settings
