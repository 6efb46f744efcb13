// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/user_language.h"

#include <gtest/gtest.h>

#include <QFileInfo>

namespace vorlix::platform {
namespace {

// Qt's UI languages for LANGUAGE=xx:de (a name Qt does not know becomes
// "xx" and "C") and the like: as gettext does, Vorlix passes over what
// names no language, and still stops at English.
TEST(UserLanguage, NamesOfNoLanguageArePassedOver) {
  const std::pair<QStringList, QString> rows[] = {
      {{"xx", "C", "de", "de-Latn-DE", "de-DE"}, "de"},
      {{"zz-ZZ", "C", "fr", "fr-Latn-FR", "fr-FR"}, "fr"},
      {{"xx", "C", "en", "de"}, ""},
  };
  for (const auto& [uiLanguages, name] : rows) {
    EXPECT_EQ(QtLanguage(uiLanguages).name(), name) << uiLanguages.join(':').toStdString();
  }
}

// Debian ships Qt's own Portuguese and Chinese by territory only.
TEST(UserLanguage, QtsOwnTranslationIsFoundByTheWholeLocale) {
  const std::pair<const char*, const char*> rows[] = {
      {"pt_BR", "qtbase_pt_BR.qm"}, {"zh_CN", "qtbase_zh_CN.qm"}, {"de_AT", "qtbase_de.qm"}};
  for (const auto& [locale, file] : rows) {
    QTranslator qtTexts;
    EXPECT_TRUE(loadQtTexts(qtTexts, QLocale(QString::fromLatin1(locale)))) << locale;
    EXPECT_EQ(QFileInfo(qtTexts.filePath()).fileName(), file);
  }
}

}  // namespace
}  // namespace vorlix::platform
