// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace vorlix::settings {

// ASCII keys and section names as QSettings spells them in an INI file:
// letters, digits, '_', '-' and '.' stay, '/' becomes '\', and every other
// character becomes %XX. The names this program writes are all ASCII.
std::string escapedKey(std::string_view key);
bool isAscii(std::string_view text);

// Any key as QSettings reads it, in UTF-8: '\' is '/', %XX and %UXXXX are
// the characters they number, and a '%' without hex digits after it stands
// for itself.
std::string unescapedKey(std::string_view escaped);

}  // namespace vorlix::settings
