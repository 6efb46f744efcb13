// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

namespace vorlix::calc {

// Converts an entry box's text to a 16-bit integer. Accepted: optional spaces
// or tabs, one or more ASCII digits (leading zeros allowed), optional spaces
// or tabs. A value above 32767 raises Overflow however many digits it has;
// every other text raises TypeMismatch.
std::int16_t toInt16(std::string_view text);

}  // namespace vorlix::calc
