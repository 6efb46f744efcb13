// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "settings/settings_store.h"

namespace vorlix::settings {

// The text of an INI settings file as QSettings writes it, read and
// changed without losing anything a user wrote. A line that cannot be read
// is passed over, never the whole file; every section with the name takes
// part, and of a key given twice the last one counts, as with QSettings.

StoredSection readSection(std::string_view fileText, std::string_view section);

// Whether the text has a well-formed header for `section`.
bool hasReadableSection(std::string_view fileText, std::string_view section);

// Whether the text holds nothing but blank lines and comment lines.
bool isBlankOrCommentsOnly(std::string_view fileText);

// Whether a key and value can be written so that they read back exactly:
// the key is ASCII and not empty, the value has no line break, and a value
// that needs double quotes (blanks at its ends, a ';', or a trailing
// backslash) has no backslash or quote in it.
bool isStorable(const StoredValue& value);

// The text with `values` set in `section`: every line of one of these
// keys in every such section gets its new value, and keeps its comment;
// keys not there yet go
// after the last line of the first such section that is not blank or a
// comment, in the order given, and a text without the section gets it
// appended. All other bytes stay as they were. New lines take the text's
// first line ending. Throws std::invalid_argument for a value that is
// not storable.
std::string withValues(std::string_view fileText, std::string_view section,
                       std::span<const StoredValue> values);

}  // namespace vorlix::settings
