// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt_fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>
#include <algorithm>
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

QFont fontFittingDigits(QFont font, int digits, qreal width) {
  while (!digitsFit(font, digits, width) && font.pointSizeF() - 0.5 >= kSmallestPoints) {
    font.setPointSizeF(font.pointSizeF() - 0.5);
  }
  return font;
}

}  // namespace vorlix::platform
