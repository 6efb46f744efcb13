// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/user_language.h"

#include <gtest/gtest.h>

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

// Debian ships Qt's own Portuguese and Chinese by territory only:
// qtbase_pt_BR and qtbase_zh_CN.
TEST(UserLanguage, QtsOwnTranslationIsFoundByTheWholeLocale) {
  for (const char* locale : {"pt_BR", "zh_CN"}) {
    QTranslator qtTexts;
    EXPECT_TRUE(loadQtTexts(qtTexts, QLocale(QString::fromLatin1(locale)))) << locale;
  }
}

}  // namespace
}  // namespace vorlix::platform
