// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

#include "window/layout.h"

namespace vorlix::platform {

// The layout's font, or the nearest sans-serif face at the same size and
// weight where that face is not installed.
QFont qtFont(const window::Font& font);

}  // namespace vorlix::platform
