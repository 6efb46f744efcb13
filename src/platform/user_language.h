// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <initializer_list>
#include <string>
#include <string_view>

#include "translatable.h"

namespace vorlix::platform {

// One of the languages the user reads, with Vorlix's translation into it.
// English, the language the texts are written in, needs none: nothing is
// loaded for it, nor for a language Vorlix has no translation into.
class QtLanguage final : public Language {
 public:
  // The first of `uiLanguages` ("de-DE", "fr", …, the user's first choice
  // first) that is English or has a translation; English when none has.
  // A name that is no language ("xx") is passed over.
  explicit QtLanguage(const QStringList& uiLanguages);

  // The language as its file in translations/ names it: "de", "pt_BR", …;
  // empty for English.
  QString name() const { return name_; }
  bool isEnglish() const override { return name_.isEmpty(); }
  // The user's locale that found the translation ("de_AT" for "de"); C
  // for English.
  const QLocale& locale() const { return locale_; }

 private:
  std::string translated(Translatable english) const override;

  QTranslator translator_;
  QString name_;
  QLocale locale_{QLocale::C};
};

// The language of the user's desktop, as Qt reads it from LANGUAGE,
// LC_ALL, LC_MESSAGES and LANG; English when the locale of messages is C
// or POSIX (C.UTF-8 too), whatever LANGUAGE says.
// Loaded once, on first use; it needs no application.
const QtLanguage& userLanguage();

// A text in the user's language, for Qt.
QString translated(Translatable english);
// A text in the user's language with the first of `words` in place of its
// "%1", the second in place of "%2", and so on, byte for byte.
std::string translated(Translatable english, std::initializer_list<std::string_view> words);

// Loads Qt's own translation for `locale` into `translator`: by the whole
// locale first, as Debian ships qtbase_pt_BR and qtbase_zh_CN and neither
// qtbase_pt nor qtbase_zh, then by its language alone (qtbase_de for
// de_AT). False when Qt has none.
bool loadQtTexts(QTranslator& translator, const QLocale& locale);

// Gives the running application Qt's own translation into the user's
// language, for the texts Qt writes itself: a message box's OK button,
// the headings of --help.
void translateQtTexts();

}  // namespace vorlix::platform
