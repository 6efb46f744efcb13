// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QSizeF>

#include "window/layout.h"

namespace vorlix::platform {

// The layout's font, or the nearest sans-serif face at the same size and
// weight where that face is not installed.
QFont qtFont(const window::Font& font);

// The font for the digits of a box too small for antialiasing to leave
// them whole: every pixel drawn in the text's own colour, never a blend
// that weakens the contrast the colours were chosen for; and the face's
// condensed form (narrowed by Qt where none is installed), so that the
// digits can be taller.
QFont digitsFont(QFont font);

// The font at the largest size, in half points, at which `digits` of its
// widest digit fit `room`'s width and a line fits its height, reckoned
// from one digit's width and checked downwards: where the layout's face is
// missing, a wider one may stand in for it.
QFont fontFittingDigits(QFont font, int digits, QSizeF room);

}  // namespace vorlix::platform
