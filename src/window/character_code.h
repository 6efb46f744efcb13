// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace vorlix::window {

// A typed character's code: its UTF-16 value as a signed 16-bit number, or
// -1 for a character beyond 16 bits, which no rule takes for a digit,
// Backspace or Enter.
using CharacterCode = std::int16_t;
inline constexpr CharacterCode kBackspace = 8;
inline constexpr CharacterCode kEnter = 13;
inline constexpr CharacterCode kEscape = 27;

constexpr CharacterCode codeOfCharacter(char32_t character) {
  if (character > 0xFFFF) return -1;
  return static_cast<CharacterCode>(static_cast<std::uint16_t>(character));
}

}  // namespace vorlix::window
