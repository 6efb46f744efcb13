// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <set>

#include "platform/main_window.h"
#include "settings/settings_file.h"
#include "settings/settings_location.h"

namespace vorlix::platform {
namespace {

// The buttons and labels keep their size in every language: each caption
// must fit, and each access key must be the window's only one on its
// letter and the one the button's tooltip names.
class MainWindowLanguages : public ::testing::TestWithParam<const char*> {};

TEST_P(MainWindowLanguages, CaptionsFitAndAccessKeysAreUniqueAndNamed) {
  const QtLanguage language({QString::fromLatin1(GetParam())});
  ASSERT_EQ(language.name(), GetParam() == std::string("en") ? "" : GetParam());
  MainWindow form(
      std::make_unique<settings::SettingsFile>(settings::settingsFilePath("Vorlix", "Vorlix")),
      language);
  std::set<QString> keys;
  for (const auto* button : form.findChildren<QPushButton*>()) {
    SCOPED_TRACE(button->text().toStdString());
    const int margins = 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
    const QString shown = QString(button->text()).remove('&');
    EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(shown) + margins, button->width());
    const QString key = QKeySequence::mnemonic(button->text()).toString();
    if (key.isEmpty()) continue;
    EXPECT_TRUE(keys.insert(key).second);
    EXPECT_TRUE(button->toolTip().endsWith("(" + key + ")")) << button->toolTip().toStdString();
  }
  for (const auto* shortcut : form.findChildren<QShortcut*>()) {
    const QString key = shortcut->key().toString();
    EXPECT_TRUE(keys.insert(key).second) << key.toStdString();
    EXPECT_TRUE(form.accessibleDescription().contains(key)) << key.toStdString();
  }
  EXPECT_EQ(keys.size(), 5u);
  const auto* copyright = qobject_cast<QLabel*>(form.widgetFor(window::Control::Copyright));
  EXPECT_LE(QFontMetrics(copyright->font()).horizontalAdvance(copyright->text()),
            copyright->width())
      << copyright->text().toStdString();
}

// English and each language of translations/, as the build lists them.
INSTANTIATE_TEST_SUITE_P(EachLanguage, MainWindowLanguages, ::testing::Values(VORLIX_LANGUAGES),
                         [](const auto& row) { return std::string(row.param); });

}  // namespace
}  // namespace vorlix::platform
