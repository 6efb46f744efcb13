// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <array>
#include <optional>

#include "window/control.h"
#include "window/layout.h"

class QLineEdit;
class QStyle;
class QWidget;

namespace vorlix::platform {

// The widget of each element: the window itself for the window, nullptr for
// the shapes it draws.
using ControlWidgets = std::array<QWidget*, window::kControlCount>;

// Creates the window's controls where the layout places them, with their
// kind, font, text colour and tab order. Buttons are drawn in `buttonStyle`,
// which paints exactly their background colour. What the model holds (text,
// caption, visibility, background) is left for the caller to show.
ControlWidgets createControlWidgets(QWidget& window, QStyle& buttonStyle);

// Gives a box the font at which five digits fit it whole. A box is made
// with the layout's font and fitted when it first shows text: fitting loads
// the font at more than one size, and an empty box draws none of them.
void fitDigits(QLineEdit& box, const window::Font& layoutFont);

// Colours an element's widget: its background in the role its kind fills
// (none for a transparent element) and its text.
void setColours(QWidget& widget, window::ControlKind kind, const std::optional<QColor>& background,
                const QColor& text);

int pixels(const QWidget& window, int twips);

}  // namespace vorlix::platform
