// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/complaint.h"

#include <cstdio>

namespace vorlix::app {

void complain(std::string_view text) {
  std::fprintf(stderr, "vorlix: %.*s\n", static_cast<int>(text.size()), text.data());
}

}  // namespace vorlix::app
