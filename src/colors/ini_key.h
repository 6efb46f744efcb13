#pragma once

#include <string>
#include <string_view>

namespace vorlix::colors {

// Keys and section names as QSettings spells them in an INI file: letters,
// digits, '_', '-' and '.' stay, '/' becomes '\', other characters up to
// U+00FF become %XX and the rest %UXXXX per UTF-16 unit. Earlier builds
// wrote through QSettings, so this is the only spelling they can match.
// Text that is not UTF-8 is escaped as U+FFFD, as Qt does.
std::string escapedKey(std::string_view key);

// The inverse, as QSettings's reader decodes: '\' is '/', %XX and %UXXXX
// are characters, a '%' not followed by hex digits stands for itself, and
// bytes are otherwise kept as they are. The result is UTF-8.
std::string unescapedKey(std::string_view escaped);

bool isValidUtf8(std::string_view text);

}  // namespace vorlix::colors
