// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace vorlix::settings {

// $XDG_CONFIG_HOME/<organisation>/<application>.conf, where QSettings keeps
// a user's settings. As the XDG base-directory rules say, a value of
// XDG_CONFIG_HOME that is empty or relative is ignored for $HOME/.config:
// a relative one would move the file with the current folder.
std::string settingsFilePath(std::string_view organisation, std::string_view application);

}  // namespace vorlix::settings
