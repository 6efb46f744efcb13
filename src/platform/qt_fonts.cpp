// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt_fonts.h"

#include <QStringList>

#include "platform/qt_text.h"

namespace vorlix::platform {

QFont qtFont(const window::Font& font) {
  QFont qfont;
  qfont.setFamilies({qtText(font.face), QStringLiteral("Microsoft Sans Serif"),
                     QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                     QStringLiteral("Sans Serif")});
  qfont.setStyleHint(QFont::SansSerif);
  qfont.setPointSize(font.points);
  qfont.setWeight(font.weight >= 700 ? QFont::Bold : QFont::Normal);
  return qfont;
}

}  // namespace vorlix::platform
