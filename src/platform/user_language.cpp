// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/user_language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>

#include "platform/qt_text.h"

namespace vorlix::platform {
namespace {

// Where the build embeds translations/vorlix_*.qm.
const QString kTranslations = QStringLiteral(":/translations");

// The locale messages are written in, as the C library reads it: C when
// none is set.
bool messagesInC() {
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const QByteArray locale = qgetenv(variable);
    if (!locale.isEmpty()) return locale == "C" || locale == "POSIX" || locale.startsWith("C.");
  }
  return true;
}

// The name a file of translations/ gives its language: "de", "pt_BR".
QString languageOfFile(const QString& path) {
  return QFileInfo(path).completeBaseName().section(QLatin1Char('_'), 1);
}

}  // namespace

QtLanguage::QtLanguage(const QStringList& uiLanguages) {
  for (const QString& uiLanguage : uiLanguages) {
    const QLocale locale(uiLanguage);
    // Qt gives a name it does not know ("xx") the C locale; gettext skips
    // such an entry of LANGUAGE, and so does Vorlix.
    if (locale.language() == QLocale::C) continue;
    if (locale.language() == QLocale::English) return;
    // "vorlix_de_DE", then "vorlix_de".
    if (translator_.load(QStringLiteral("vorlix_") + locale.name(), kTranslations)) {
      name_ = languageOfFile(translator_.filePath());
      locale_ = locale;
      return;
    }
  }
}

std::string QtLanguage::translated(Translatable english) const {
  const QString text = translator_.translate(std::string(english.context).c_str(),
                                             std::string(english.source).c_str());
  return text.isEmpty() ? std::string(english.source) : utf8(text);
}

const QtLanguage& userLanguage() {
  // Qt reads LANGUAGE before the locale, as gettext does; a C or POSIX
  // locale means the texts as written, as it does for gettext.
  static const QtLanguage language(messagesInC() ? QStringList() : QLocale::system().uiLanguages());
  return language;
}

QString translated(Translatable english) { return qtText(userLanguage().text(english)); }

std::string translated(Translatable english, std::initializer_list<std::string_view> words) {
  return filledIn(userLanguage().text(english), words);
}

bool loadQtTexts(QTranslator& translator, const QLocale& locale) {
  return translator.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

void translateQtTexts() {
  const QtLanguage& language = userLanguage();
  if (language.isEnglish()) return;
  auto* qtTexts = new QTranslator(QCoreApplication::instance());
  if (loadQtTexts(*qtTexts, language.locale())) QCoreApplication::installTranslator(qtTexts);
}

}  // namespace vorlix::platform
