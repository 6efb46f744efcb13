// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>

namespace vorlix::settings {

// A UTF-8 byte-order mark: editors put it at the start of a file, and a
// file that starts with one is still read.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// One line of a file: its text, then its line ending ("\n", "\r\n", a lone
// "\r" as QSettings also takes it, or nothing on a last line without one).
struct IniLine {
  std::string_view text;
  std::string_view ending;
};

// Walks a file's bytes line by line, the byte-order mark left out of the
// first line. Every byte belongs to exactly one line's text or ending.
class IniLineReader {
 public:
  explicit IniLineReader(std::string_view fileText);
  // The byte-order mark the text starts with, or nothing.
  std::string_view byteOrderMark() const { return byteOrderMark_; }
  bool next(IniLine& line);

 private:
  std::string_view text_;
  std::string_view byteOrderMark_;
  std::size_t pos_ = 0;
};

enum class LineKind { Blank, Comment, Section, BrokenSection, Key, Unreadable };

// What a line says. For a section, `name` is the name between the
// brackets; for a key, `name` is the key and `value` its value, both
// trimmed and still escaped. As for QSettings, a ';' outside double quotes
// ends the value: `comment` is the rest of the line from the blanks before
// it. Each line stands alone: a backslash at its end continues nothing.
struct ParsedLine {
  LineKind kind = LineKind::Unreadable;
  std::string_view name{};
  std::string_view value{};
  std::string_view comment{};
};

ParsedLine parseLine(std::string_view text);

std::string_view trimBlanks(std::string_view text);

// A value in plain double quotes without backslashes, as QSettings writes
// text with blanks at its ends, stands for the text between them.
std::string_view unquotedValue(std::string_view value);

}  // namespace vorlix::settings
