// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace vorlix::settings {

// The path a settings file stands for once symbolic links are followed,
// whether or not anything is there yet. A user who keeps the file elsewhere
// through a link keeps the link: the file is replaced where it really is.
struct LinkTarget {
  std::string path;
  std::string folder;
};

LinkTarget linkTarget(const std::string& file);

}  // namespace vorlix::settings
