// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ini_key.h"

#include <algorithm>
#include <optional>

namespace vorlix::settings {
namespace {

constexpr std::string_view kHexDigits = "0123456789ABCDEF";

bool keptAsIs(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '-' || c == '.';
}

// The number `digits` hex digits at `pos` spell, or nullopt.
std::optional<unsigned> hexAt(std::string_view text, std::size_t pos, std::size_t digits) {
  if (text.size() - pos < digits) return std::nullopt;
  unsigned value = 0;
  for (const char c : text.substr(pos, digits)) {
    const auto digit = kHexDigits.find(static_cast<char>(c >= 'a' && c <= 'f' ? c - 32 : c));
    if (digit == std::string_view::npos) return std::nullopt;
    value = value * 16 + static_cast<unsigned>(digit);
  }
  return value;
}

// A UTF-16 unit as UTF-8; a surrogate is U+FFFD, as a QString converts a
// lone one.
void appendUtf8(std::string& out, unsigned unit) {
  if (unit >= 0xD800 && unit <= 0xDFFF) unit = 0xFFFD;
  const auto byte = [&out](unsigned bits) { out.push_back(static_cast<char>(bits)); };
  if (unit < 0x80) {
    byte(unit);
  } else if (unit < 0x800) {
    byte(0xC0 | (unit >> 6));
    byte(0x80 | (unit & 0x3F));
  } else {
    byte(0xE0 | (unit >> 12));
    byte(0x80 | ((unit >> 6) & 0x3F));
    byte(0x80 | (unit & 0x3F));
  }
}

}  // namespace

std::string escapedKey(std::string_view key) {
  std::string out;
  for (const char c : key) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '/') {
      out += '\\';
    } else if (keptAsIs(c)) {
      out += c;
    } else {
      out += '%';
      out += kHexDigits[byte >> 4];
      out += kHexDigits[byte & 0xF];
    }
  }
  return out;
}

bool isAscii(std::string_view text) {
  return std::ranges::all_of(text, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::string unescapedKey(std::string_view escaped) {
  std::string out;
  for (std::size_t pos = 0; pos < escaped.size();) {
    const bool wide = escaped.substr(pos, 2) == "%U";
    if (escaped[pos] == '%') {
      if (const auto value = hexAt(escaped, pos + (wide ? 2 : 1), wide ? 4 : 2)) {
        appendUtf8(out, *value);
        pos += wide ? 6 : 3;
        continue;
      }
    }
    out += escaped[pos] == '\\' ? '/' : escaped[pos];
    ++pos;
  }
  return out;
}

}  // namespace vorlix::settings
