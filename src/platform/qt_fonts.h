// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

#include "window/layout.h"

namespace vorlix::platform {

// The layout's font, or the nearest sans-serif face at the same size and
// weight where that face is not installed.
QFont qtFont(const window::Font& font);

// The font at the largest size, at most its own, in half points, at which
// `digits` of its widest digit fit `width` pixels: where the layout's face
// is missing, a wider one may stand in for it.
QFont fontFittingDigits(QFont font, int digits, qreal width);

}  // namespace vorlix::platform
