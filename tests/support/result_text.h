// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "calc/calculation.h"

// One way of writing what the user sees, shared by every test tier and the
// scenario runner's output.
namespace vorlix::testing {

// `"text"` with `"` and `\` escaped.
std::string quoted(std::string_view text);

// `result "1" "1" "2" visible 0 1 2`: the three result boxes' texts, then
// the positions of those shown (or `none`).
std::string describe(const calc::ResultDisplay& boxes);

// `message "..."`, a result as above, or `nothing`.
std::string describe(const calc::Outcome& outcome);

}  // namespace vorlix::testing
