// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ini_lines.h"

namespace vorlix::settings {
namespace {

constexpr std::string_view kBlanks = " \t\v\f";

// Where a comment starts in a value: the first ';' outside double quotes,
// a backslash keeping the character after it; npos for none.
std::size_t commentStart(std::string_view value) {
  bool quoted = false;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '\\') {
      ++i;
    } else if (value[i] == '"') {
      quoted = !quoted;
    } else if (value[i] == ';' && !quoted) {
      return i;
    }
  }
  return std::string_view::npos;
}

ParsedLine keyLine(std::string_view key, std::string_view rest) {
  const std::size_t semicolon = commentStart(rest);
  if (semicolon == std::string_view::npos) return {LineKind::Key, key, trimBlanks(rest), {}};
  const std::string_view before = rest.substr(0, semicolon);
  const std::size_t valueEnd = before.find_last_not_of(kBlanks);
  const std::size_t commentFrom = valueEnd == std::string_view::npos ? 0 : valueEnd + 1;
  return {LineKind::Key, key, trimBlanks(before), rest.substr(commentFrom)};
}

}  // namespace

IniLineReader::IniLineReader(std::string_view fileText) : text_(fileText) {
  if (text_.starts_with(kByteOrderMark)) {
    byteOrderMark_ = text_.substr(0, kByteOrderMark.size());
    pos_ = kByteOrderMark.size();
  }
}

bool IniLineReader::next(IniLine& line) {
  if (pos_ >= text_.size()) return false;
  const std::size_t end = text_.find_first_of("\r\n", pos_);
  if (end == std::string_view::npos) {
    line = {text_.substr(pos_), {}};
    pos_ = text_.size();
    return true;
  }
  const bool crlf = text_[end] == '\r' && end + 1 < text_.size() && text_[end + 1] == '\n';
  const std::size_t endingSize = crlf ? 2 : 1;
  line = {text_.substr(pos_, end - pos_), text_.substr(end, endingSize)};
  pos_ = end + endingSize;
  return true;
}

std::string_view trimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

ParsedLine parseLine(std::string_view text) {
  const std::string_view trimmed = trimBlanks(text);
  if (trimmed.empty()) return {.kind = LineKind::Blank};
  if (trimmed.front() == ';' || trimmed.front() == '#') return {.kind = LineKind::Comment};
  if (trimmed.front() == '[') {
    if (trimmed.size() < 2 || trimmed.back() != ']') return {.kind = LineKind::BrokenSection};
    return {.kind = LineKind::Section, .name = trimBlanks(trimmed.substr(1, trimmed.size() - 2))};
  }
  const std::size_t equals = trimmed.find('=');
  if (equals == std::string_view::npos) return {.kind = LineKind::Unreadable};
  const std::string_view key = trimBlanks(trimmed.substr(0, equals));
  if (key.empty()) return {.kind = LineKind::Unreadable};
  // The rest of the untrimmed line, so that a comment keeps its blanks.
  const auto valueFrom = static_cast<std::size_t>(trimmed.data() - text.data()) + equals + 1;
  return keyLine(key, text.substr(valueFrom));
}

std::string_view unquotedValue(std::string_view value) {
  if (value.size() < 2 || value.front() != '"' || value.back() != '"') return value;
  const std::string_view inner = value.substr(1, value.size() - 2);
  if (inner.find_first_of("\"\\") != std::string_view::npos) return value;
  return inner;
}

}  // namespace vorlix::settings
