// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt_fonts.h"

#include <QFontMetricsF>
#include <QStringList>
#include <algorithm>

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

namespace {

// Smaller than this is no longer a font to read numbers in.
constexpr qreal kSmallestPoints = 6.0;

qreal widestDigit(const QFont& font) {
  const QFontMetricsF metrics(font);
  qreal widest = 0;
  for (char digit = '0'; digit <= '9'; ++digit) {
    widest = std::max(widest, metrics.horizontalAdvance(QLatin1Char(digit)));
  }
  return widest;
}

}  // namespace

QFont fontFittingDigits(QFont font, int digits, qreal width) {
  while (digits * widestDigit(font) > width && font.pointSizeF() - 0.5 >= kSmallestPoints) {
    font.setPointSizeF(font.pointSizeF() - 0.5);
  }
  return font;
}

}  // namespace vorlix::platform
