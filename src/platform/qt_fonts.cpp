#include "platform/qt_fonts.h"

#include <QStringList>

namespace vorlix::platform {

QFont qtFont(const window::Font& font) {
  QFont qfont;
  qfont.setFamilies({QString::fromUtf8(font.face.data(), static_cast<qsizetype>(font.face.size())),
                     QStringLiteral("Microsoft Sans Serif"), QStringLiteral("DejaVu Sans"),
                     QStringLiteral("Liberation Sans"), QStringLiteral("Sans Serif")});
  qfont.setStyleHint(QFont::SansSerif);
  qfont.setPointSize(font.points);
  qfont.setWeight(font.weight >= 700 ? QFont::Bold : QFont::Normal);
  return qfont;
}

}  // namespace vorlix::platform
