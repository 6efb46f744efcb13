// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_location.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <cstdlib>
#include <optional>

#include "case_name.h"
#include "settings/ini_key.h"
#include "settings/settings_file.h"
#include "settings/settings_file_fixture.h"

namespace vorlix::settings {
namespace {

using namespace testing;

struct LocationCase {
  const char* name;
  std::optional<std::string> configHome;
  std::string expected;
};
void PrintTo(const LocationCase& row, std::ostream* out) { *out << row.name; }

class SettingsLocation : public ::testing::TestWithParam<LocationCase> {
 protected:
  void SetUp() override {
    if (const char* now = std::getenv("XDG_CONFIG_HOME")) saved_ = now;
    if (const char* now = std::getenv("HOME")) savedHome_ = now;
  }
  void TearDown() override {
    saved_ ? ::setenv("XDG_CONFIG_HOME", saved_->c_str(), 1) : ::unsetenv("XDG_CONFIG_HOME");
    savedHome_ ? ::setenv("HOME", savedHome_->c_str(), 1) : ::unsetenv("HOME");
  }

 private:
  std::optional<std::string> saved_;
  std::optional<std::string> savedHome_;
};

TEST_P(SettingsLocation, FollowsTheXdgRules) {
  ::setenv("HOME", "/home/ann", 1);
  const auto& home = GetParam().configHome;
  home ? ::setenv("XDG_CONFIG_HOME", home->c_str(), 1) : ::unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(settingsFilePath("Vorlix", "Vorlix"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Environment, SettingsLocation,
    ::testing::Values(LocationCase{"Absolute", "/cfg", "/cfg/Vorlix/Vorlix.conf"},
                      LocationCase{"TrailingSlash", "/cfg/", "/cfg/Vorlix/Vorlix.conf"},
                      LocationCase{"Unset", std::nullopt, "/home/ann/.config/Vorlix/Vorlix.conf"},
                      LocationCase{"EmptyIgnored", "", "/home/ann/.config/Vorlix/Vorlix.conf"},
                      LocationCase{"RelativeIgnored", "cfg",
                                   "/home/ann/.config/Vorlix/Vorlix.conf"}),
    CaseName{});

const char* const kKeys[] = {"form",        "Text1(0)", "Text1(1)", "Text1(2)", "Text1(3)",
                             "Text2(0)",    "Text2(1)", "Text2(2)", "label1",   "label2",
                             "cmdop(0)",    "cmdop(1)", "cmdop(2)", "cmdop(3)", "command1(0)",
                             "command1(1)", "a/b",      "sp ace",   "5%"};

// The same keys written by QSettings and by this program: each reads the
// other's file and the key lines are spelled alike.
TEST(QSettings, AndThisProgramReadEachOthersFiles) {
  TempFolder folder;
  const fs::path theirs = folder.root / "theirs.conf";
  {
    QSettings writer(QString::fromStdString(theirs.string()), QSettings::IniFormat);
    for (const char* key : kKeys)
      writer.setValue(QStringLiteral("StartUp/") + QString::fromUtf8(key), "-2147483633");
  }
  std::vector<settings::StoredValue> values;
  for (const char* key : kKeys) values.push_back({key, "-2147483633"});
  SettingsFile(folder.conf).write("StartUp", values);
  EXPECT_EQ(slurp(folder.conf).size(), slurp(theirs).size());
  const settings::StoredSection read = SettingsFile(theirs).read("StartUp");
  const QSettings reader(QString::fromStdString(folder.conf.string()), QSettings::IniFormat);
  for (const char* key : kKeys) {
    EXPECT_NE(slurp(theirs).find('\n' + settings::escapedKey(key) + "=-2147483633\n"),
              std::string::npos)
        << key;
    EXPECT_EQ(read.contains(key) ? read.at(key) : "<none>", "-2147483633") << key;
    EXPECT_EQ(reader.value(QStringLiteral("StartUp/") + QString::fromUtf8(key)).toString(),
              "-2147483633")
        << key;
  }
}

}  // namespace
}  // namespace vorlix::settings
