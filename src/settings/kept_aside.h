// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace vorlix::settings {

// Keeps a file that is not ours to rewrite under the first free name of
// <file>.unreadable, <file>.unreadable.2, .3, …, so that the next close
// can write a fresh file without losing it. A kept copy is never
// overwritten: the name is taken with link() or a rename that refuses to
// replace, so two programs can never pick the same one. Constant time in
// the file's size. Returns the name, or throws SettingsWriteError.
std::string keepAside(const std::string& file);

}  // namespace vorlix::settings
