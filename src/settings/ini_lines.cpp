// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ini_lines.h"

namespace vorlix::settings {
namespace {

constexpr std::string_view kBlanks = " \t\v\f";

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
  if (trimmed.empty()) return {LineKind::Blank, {}, {}};
  if (trimmed.front() == ';' || trimmed.front() == '#') return {LineKind::Comment, {}, {}};
  if (trimmed.front() == '[') {
    if (trimmed.size() < 2 || trimmed.back() != ']') return {LineKind::BrokenSection, {}, {}};
    return {LineKind::Section, trimBlanks(trimmed.substr(1, trimmed.size() - 2)), {}};
  }
  const std::size_t equals = trimmed.find('=');
  if (equals == std::string_view::npos) return {LineKind::Unreadable, {}, {}};
  const std::string_view key = trimBlanks(trimmed.substr(0, equals));
  if (key.empty()) return {LineKind::Unreadable, {}, {}};
  return {LineKind::Key, key, trimBlanks(trimmed.substr(equals + 1))};
}

std::string_view unquotedValue(std::string_view value) {
  if (value.size() < 2 || value.front() != '"' || value.back() != '"') return value;
  const std::string_view inner = value.substr(1, value.size() - 2);
  if (inner.find_first_of("\"\\") != std::string_view::npos) return value;
  return inner;
}

}  // namespace vorlix::settings
