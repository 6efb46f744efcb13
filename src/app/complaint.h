// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace vorlix::app {

// Writes "vorlix: TEXT" as one line on standard error, the one way the
// program speaks there.
void complain(std::string_view text);

}  // namespace vorlix::app
