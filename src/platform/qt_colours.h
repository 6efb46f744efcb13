// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPalette>

#include "window/colour.h"

namespace vorlix::platform {

// The QColor a colour value stands for: its channels, or for a system
// colour the current theme's colour of that role.
QColor toQColor(window::Colour colour, const QPalette& theme);

// The text colour to draw on a background, readable in a dark theme too.
QColor readableTextColour(const QColor& text, const QColor& background);

// The colour of the focus ring around a control, where the ring covers
// `surround`.
QColor focusRingColour(const QColor& control, const QColor& surround);

}  // namespace vorlix::platform
