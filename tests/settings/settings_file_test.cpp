// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QString>
#include <QSysInfo>
#include <chrono>
#include <csignal>
#include <vector>

#include "case_name.h"
#include "settings/settings_file_fixture.h"

namespace vorlix::settings {
namespace {

using namespace std::chrono_literals;
using namespace testing;
using settings::StoredValue;
using Clock = std::chrono::steady_clock;

const std::vector<std::string> kKeys{"form",     "Text1(0)", "Text1(1)",    "Text1(2)",
                                     "Text1(3)", "Text2(0)", "Text2(1)",    "Text2(2)",
                                     "label1",   "label2",   "cmdop(0)",    "cmdop(1)",
                                     "cmdop(2)", "cmdop(3)", "command1(0)", "command1(1)"};

std::vector<StoredValue> sixteen(const std::string& text) {
  std::vector<StoredValue> values;
  values.reserve(kKeys.size());
  for (const std::string& key : kKeys) values.push_back({key, text});
  return values;
}

// What a close reports: "" when the colours were saved.
std::string save(const fs::path& file, const std::string& text = "255") {
  try {
    SettingsFile(file).write("StartUp", sixteen(text));
    return "";
  } catch (const settings::SettingsWriteError& error) {
    return error.what();
  }
}

std::string formAtStart(const fs::path& file) {
  const settings::StoredSection read = SettingsFile(file).read("StartUp");
  return read.contains("form") ? read.at("form") : "<none>";
}

long long millisecondsSince(Clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

std::string big(std::size_t size) {
  return "[StartUp]\nform=65280\n[Junk]\n" + std::string(size, 'x');
}

// What a start restores from what is on disk.
struct StartCase {
  const char* name;
  std::function<void(const TempFolder&)> make;
  std::string form;
};
void PrintTo(const StartCase& row, std::ostream* out) { *out << row.name; }

class AtStart : public ::testing::TestWithParam<StartCase> {};

TEST_P(AtStart, RestoresWhatCanBeReadQuickly) {
  TempFolder folder;
  GetParam().make(folder);
  const auto start = Clock::now();
  EXPECT_EQ(formAtStart(folder.conf), GetParam().form);
  EXPECT_LT(millisecondsSince(start), 1000);
}

std::string junkKeys() {
  std::string text = "[StartUp]\nform=65280\n[Junk]\n";
  for (int i = 0; i < 40000; ++i)
    text += "key" + std::to_string(100000 + i) + "=00000000000000000000\n";
  return text;
}

INSTANTIATE_TEST_SUITE_P(
    Files, AtStart,
    ::testing::Values(
        StartCase{"DeeplyNestedVariant",
                  [](const TempFolder& f) {
                    put(f.conf, "[StartUp]\nform=65280\nlabel2=@Variant(" +
                                    std::string(1300000, '(') + "\n");
                  },
                  "65280"},
        StartCase{"BackslashContinuesNothing",
                  [](const TempFolder& f) { put(f.conf, "[StartUp]\njunk=a\\\nform=65280\n"); },
                  "65280"},
        StartCase{"NamedPipe", [](const TempFolder& f) { ::mkfifo(f.conf.c_str(), 0600); },
                  "<none>"},
        StartCase{"ByteOrderMarkAndHashComment",
                  [](const TempFolder& f) {
                    put(f.conf, "\xEF\xBB\xBF# mine\n[StartUp]\nbad\nform=65280\n");
                  },
                  "65280"},
        StartCase{"OverFourMebibytes", [](const TempFolder& f) { put(f.conf, big(5 << 20)); },
                  "<none>"},
        StartCase{"MegabyteOfJunkKeys", [](const TempFolder& f) { put(f.conf, junkKeys()); },
                  "65280"},
        StartCase{"DanglingLink",
                  [](const TempFolder& f) { fs::create_symlink(f.root / "gone", f.conf); },
                  "<none>"}),
    CaseName{});

// What a successful close leaves on disk.
struct CloseCase {
  const char* name;
  std::function<void(const TempFolder&)> make;
  std::function<void(const TempFolder&)> check;
};
void PrintTo(const CloseCase& row, std::ostream* out) { *out << row.name; }

class AtClose : public ::testing::TestWithParam<CloseCase> {};

TEST_P(AtClose, SavesInOneQuickWriteKeepingTheRest) {
  TempFolder folder;
  GetParam().make(folder);
  const auto start = Clock::now();
  ASSERT_EQ(save(folder.conf, "65535"), "");
  EXPECT_LT(millisecondsSince(start), 1000);
  EXPECT_EQ(SettingsFile(folder.conf).read("StartUp").size(), 16u);
  EXPECT_EQ(formAtStart(folder.conf), "65535");
  GetParam().check(folder);
}

const std::string kMine =
    "; mine\n[Other]\r\nform = 1\n\n[StartUp]\n# note\nform=1\nbad\\\n\n[Last]\n";

INSTANTIATE_TEST_SUITE_P(
    Files, AtClose,
    ::testing::Values(
        CloseCase{"KeptCopiesNeverReplaced",
                  [](const TempFolder& f) {
                    put(f.conf, "\x01\x02 not settings");
                    put(f.conf.string() + ".unreadable", "one");
                    put(f.conf.string() + ".unreadable.2", "two");
                  },
                  [](const TempFolder& f) {
                    EXPECT_EQ(slurp(f.conf.string() + ".unreadable"), "one");
                    EXPECT_EQ(slurp(f.conf.string() + ".unreadable.2"), "two");
                    EXPECT_EQ(slurp(f.conf.string() + ".unreadable.3"), "\x01\x02 not settings");
                  }},
        CloseCase{"NoStartUpSectionKeptAside",
                  [](const TempFolder& f) { put(f.conf, "[Other]\nx=1\n"); },
                  [](const TempFolder& f) {
                    EXPECT_EQ(slurp(f.conf.string() + ".unreadable"), "[Other]\nx=1\n");
                  }},
        CloseCase{"KeepsEveryLineOfTheUser", [](const TempFolder& f) { put(f.conf, kMine); },
                  [](const TempFolder& f) {
                    const std::string text = slurp(f.conf);
                    EXPECT_TRUE(
                        text.starts_with("; mine\n[Other]\r\nform = 1\n\n[StartUp]\n# "
                                         "note\nform=65535\nbad\\\nText1%280%29=65535\n"))
                        << text;
                    EXPECT_TRUE(text.ends_with("command1%281%29=65535\n\n[Last]\n")) << text;
                  }},
        CloseCase{"LinkStaysALink",
                  [](const TempFolder& f) {
                    fs::create_directory(f.root / "real");
                    put(f.root / "real" / "colours.ini", "[StartUp]\n");
                    fs::permissions(f.root / "real" / "colours.ini", fs::perms(0640));
                    fs::create_symlink("../real/colours.ini", f.conf);
                  },
                  [](const TempFolder& f) {
                    EXPECT_TRUE(fs::is_symlink(f.conf));
                    EXPECT_EQ(fs::status(f.root / "real" / "colours.ini").permissions(),
                              fs::perms(0640));
                  }},
        CloseCase{"OnlyOurStaleTemporariesGo",
                  [](const TempFolder& f) {
                    for (const char* name : {".saving.Ab3dE9", ".saving.Ab3dE", ".backup"})
                      put(f.conf.string() + name, "x");
                    fs::create_directory(f.conf.string() + ".saving.Xyz123");
                  },
                  [](const TempFolder& f) {
                    EXPECT_FALSE(fs::exists(f.conf.string() + ".saving.Ab3dE9"));
                    for (const char* name : {".saving.Ab3dE", ".backup", ".saving.Xyz123"}) {
                      EXPECT_TRUE(fs::exists(f.conf.string() + name)) << name;
                    }
                  }},
        CloseCase{"OverFourMebibytesKeptAside",
                  [](const TempFolder& f) { put(f.conf, big(5 << 20)); },
                  [](const TempFolder& f) {
                    EXPECT_EQ(fs::file_size(f.conf.string() + ".unreadable"), big(5 << 20).size());
                  }},
        CloseCase{"JunkLockRemoved",
                  [](const TempFolder& f) { put(f.conf.string() + ".lock", "not a lock\x01"); },
                  [](const TempFolder&) {}},
        CloseCase{"DeadProcessLockTakenOver",
                  [](const TempFolder& f) {
                    const pid_t child = ::fork();
                    if (child == 0) ::_exit(0);
                    ::waitpid(child, nullptr, 0);
                    put(f.conf.string() + ".lock", std::to_string(child) + "\nvorlix\n" +
                                                       QSysInfo::machineHostName().toStdString() +
                                                       "\n");
                  },
                  [](const TempFolder&) {}}),
    CaseName{});

}  // namespace
}  // namespace vorlix::settings
