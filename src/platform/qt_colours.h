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

}  // namespace vorlix::platform
