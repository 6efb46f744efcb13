// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt_fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <string_view>

#include "platform/qt_text.h"

namespace vorlix::platform {

QFont qtFont(const window::Font& font) {
  const QStringList faces{qtText(font.face), QStringLiteral("Microsoft Sans Serif"),
                          QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                          QStringLiteral("Sans Serif")};
  // Qt is given the first face installed alone: a missing face named first
  // costs it a search of fontconfig's fallbacks, and each face named after
  // the first another, as every font loads.
  const auto installed = std::ranges::find_if(
      faces, [](const QString& face) { return !QFontDatabase::styles(face).isEmpty(); });
  QFont qfont;
  qfont.setFamilies(installed == faces.end() ? faces : QStringList{*installed});
  qfont.setStyleHint(QFont::SansSerif);
  qfont.setPointSize(font.points);
  qfont.setWeight(font.weight >= 700 ? QFont::Bold : QFont::Normal);
  return qfont;
}

namespace {

// Smaller than this is no longer a font to read numbers in.
constexpr qreal kSmallestPoints = 6.0;

// Whether `digits` of every digit fit: measuring stops at the first that
// does not, as each digit measured at a new size loads its glyph.
bool digitsFit(const QFont& font, int digits, qreal width) {
  const QFontMetricsF metrics(font);
  return std::ranges::all_of(std::string_view("0123456789"), [&](char digit) {
    return digits * metrics.horizontalAdvance(QLatin1Char(digit)) <= width;
  });
}

}  // namespace

QFont digitsFont(QFont font) {
  font.setStretch(QFont::SemiCondensed);
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

// Widths and heights grow in step with the size: the search starts at the
// half point nearest to where one digit says they would just fit, and
// steps down as far as hinting, rounding and wider digits ask. Each size
// tried loads the font anew.
QFont fontFittingDigits(QFont font, int digits, QSizeF room) {
  const auto fitsAt = [&](qreal points) {
    QFont sized = font;
    sized.setPointSizeF(points);
    return digitsFit(sized, digits, room.width()) && QFontMetricsF(sized).height() <= room.height();
  };
  const QFontMetricsF metrics(font);
  const qreal scale =
      std::min(room.width() / (digits * metrics.horizontalAdvance(QLatin1Char('0'))),
               room.height() / metrics.height());
  qreal points = std::max(kSmallestPoints, std::round(font.pointSizeF() * scale * 2) / 2);
  while (!fitsAt(points) && points - 0.5 >= kSmallestPoints) points -= 0.5;
  font.setPointSizeF(points);
  return font;
}

}  // namespace vorlix::platform
