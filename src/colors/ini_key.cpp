#include "colors/ini_key.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace vorlix::colors {
namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr std::string_view kHexDigits = "0123456789ABCDEF";

bool isContinuation(unsigned char byte) { return (byte & 0xC0U) == 0x80U; }

// One code point from `text` at `pos`, advancing `pos`. A byte that does
// not start a well-formed sequence decodes to U+FFFD and is consumed alone,
// so every byte is looked at once.
char32_t nextCodePoint(std::string_view text, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(text[pos++]);
  if (lead < 0x80U) return lead;
  struct Form {
    unsigned char mask, pattern;
    std::size_t length;
    char32_t minimum;
  };
  constexpr std::array kForms{Form{0xE0, 0xC0, 1, 0x80}, Form{0xF0, 0xE0, 2, 0x800},
                              Form{0xF8, 0xF0, 3, 0x10000}};
  const Form* form = nullptr;
  for (const Form& candidate : kForms) {
    if ((lead & candidate.mask) == candidate.pattern) form = &candidate;
  }
  if (form == nullptr) return kReplacement;
  const std::size_t length = form->length;
  const char32_t minimum = form->minimum;
  char32_t point = lead & static_cast<unsigned char>(~form->mask);
  if (text.size() - pos < length) return kReplacement;
  for (std::size_t i = 0; i < length; ++i) {
    const auto byte = static_cast<unsigned char>(text[pos + i]);
    if (!isContinuation(byte)) return kReplacement;
    point = (point << 6U) | (byte & 0x3FU);
  }
  const bool surrogate = point >= 0xD800 && point <= 0xDFFF;
  if (point < minimum || point > 0x10FFFF || surrogate) return kReplacement;
  pos += length;
  return point;
}

void appendUtf8(std::string& out, char32_t point) {
  const auto byte = [&out](char32_t bits) { out.push_back(static_cast<char>(bits)); };
  if (point < 0x80) {
    byte(point);
  } else if (point < 0x800) {
    byte(0xC0U | (point >> 6U));
    byte(0x80U | (point & 0x3FU));
  } else if (point < 0x10000) {
    byte(0xE0U | (point >> 12U));
    byte(0x80U | ((point >> 6U) & 0x3FU));
    byte(0x80U | (point & 0x3FU));
  } else {
    byte(0xF0U | (point >> 18U));
    byte(0x80U | ((point >> 12U) & 0x3FU));
    byte(0x80U | ((point >> 6U) & 0x3FU));
    byte(0x80U | (point & 0x3FU));
  }
}

bool keptAsIs(char32_t point) {
  return (point >= 'a' && point <= 'z') || (point >= 'A' && point <= 'Z') ||
         (point >= '0' && point <= '9') || point == '_' || point == '-' || point == '.';
}

template <int Digits>
void appendHex(std::string& out, char32_t value) {
  for (int shift = (Digits - 1) * 4; shift >= 0; shift -= 4) {
    out.push_back(kHexDigits[(value >> static_cast<unsigned>(shift)) & 0xFU]);
  }
}

void appendEscaped(std::string& out, char32_t point) {
  if (point == '/') {
    out.push_back('\\');
  } else if (keptAsIs(point)) {
    out.push_back(static_cast<char>(point));
  } else if (point <= 0xFF) {
    out.push_back('%');
    appendHex<2>(out, point);
  } else if (point <= 0xFFFF) {
    out += "%U";
    appendHex<4>(out, point);
  } else {  // Qt escapes UTF-16 units, so a pair of surrogates
    const char32_t offset = point - 0x10000;
    out += "%U";
    appendHex<4>(out, 0xD800 + (offset >> 10U));
    out += "%U";
    appendHex<4>(out, 0xDC00 + (offset & 0x3FFU));
  }
}

int hexValue(char digit) {
  if (digit >= '0' && digit <= '9') return digit - '0';
  if (digit >= 'a' && digit <= 'f') return digit - 'a' + 10;
  if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10;
  return -1;
}

// The UTF-16 unit spelled by `digits` hex digits at `pos`, or -1.
std::int32_t hexUnit(std::string_view text, std::size_t pos, std::size_t digits) {
  if (text.size() - pos < digits) return -1;
  std::int32_t unit = 0;
  for (std::size_t i = 0; i < digits; ++i) {
    const int digit = hexValue(text[pos + i]);
    if (digit < 0) return -1;
    unit = unit * 16 + digit;
  }
  return unit;
}

bool isHighSurrogate(std::int32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(std::int32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// Decodes UTF-16 units as they come; a surrogate without its partner
// becomes U+FFFD, as QString's conversion to UTF-8 does.
class UnitDecoder {
 public:
  explicit UnitDecoder(std::string& out) : out_(out) {}
  void unit(std::int32_t value) {
    if (high_ != 0 && isLowSurrogate(value)) {
      appendUtf8(out_, 0x10000 + ((static_cast<char32_t>(high_ - 0xD800)) << 10U) +
                           static_cast<char32_t>(value - 0xDC00));
      high_ = 0;
      return;
    }
    flush();
    if (isHighSurrogate(value)) {
      high_ = value;
    } else {
      appendUtf8(out_, isLowSurrogate(value) ? kReplacement : static_cast<char32_t>(value));
    }
  }
  void byte(char raw) {
    flush();
    out_.push_back(raw == '\\' ? '/' : raw);
  }
  void flush() {
    if (high_ != 0) appendUtf8(out_, kReplacement);
    high_ = 0;
  }

 private:
  std::string& out_;
  std::int32_t high_ = 0;
};

}  // namespace

std::string escapedKey(std::string_view key) {
  std::string out;
  out.reserve(key.size() + key.size() / 2);
  for (std::size_t pos = 0; pos < key.size();) appendEscaped(out, nextCodePoint(key, pos));
  return out;
}

std::string unescapedKey(std::string_view escaped) {
  std::string out;
  out.reserve(escaped.size());
  UnitDecoder decoder(out);
  for (std::size_t pos = 0; pos < escaped.size();) {
    if (escaped[pos] == '%' && pos + 1 < escaped.size()) {
      const bool wide = escaped[pos + 1] == 'U';
      const std::size_t first = pos + (wide ? 2 : 1);
      const std::size_t digits = wide ? 4 : 2;
      const std::int32_t unit = hexUnit(escaped, first, digits);
      if (unit >= 0) {
        decoder.unit(unit);
        pos = first + digits;
        continue;
      }
    }
    decoder.byte(escaped[pos++]);
  }
  decoder.flush();
  return out;
}

bool isValidUtf8(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t start = pos;
    if (nextCodePoint(text, pos) == kReplacement && text.substr(start, 3) != "\xEF\xBF\xBD") {
      return false;
    }
  }
  return true;
}

}  // namespace vorlix::colors
