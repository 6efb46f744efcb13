// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <signal.h>

#include <QLockFile>
#include <chrono>
#include <set>
#include <thread>

#include "settings/settings_file.h"
#include "settings/settings_file_fixture.h"
#include "settings/settings_lock.h"

namespace vorlix::settings {
namespace {

using namespace std::chrono_literals;
using namespace testing;

void saveAll(const fs::path& file, const std::string& text) {
  std::vector<settings::StoredValue> values;
  for (const char* key : {"form", "Text1(0)", "label1", "label2", "cmdop(3)", "command1(1)"}) {
    values.push_back({key, text});
  }
  SettingsFile(file).write("StartUp", values);
}

// A file is whole when it has all six keys, all with one close's value,
// and the user's comment: never a mix of two closes, never a torn write.
bool isWhole(const fs::path& file) {
  const settings::StoredSection read = SettingsFile(file).read("StartUp");
  std::set<std::string> values;
  for (const auto& [key, text] : read) values.insert(text);
  return read.size() == 6 && values.size() == 1 && slurp(file).starts_with("; mine\n");
}

pid_t savingForever(const fs::path& file, int writer) {
  const pid_t child = ::fork();
  if (child != 0) return child;
  for (int close = 0;; ++close) {
    try {
      saveAll(file, std::to_string(writer * 1000000 + close));
    } catch (...) {
      ::_exit(1);
    }
  }
}

TEST(SettingsFileRace, TwoClosingTogetherNeverMixAndReadersSeeWholeFiles) {
  TempFolder folder;
  put(folder.conf, "; mine\n[StartUp]\n");
  saveAll(folder.conf, "0");
  const pid_t writers[] = {savingForever(folder.conf, 1), savingForever(folder.conf, 2)};
  int torn = 0;
  for (const auto end = std::chrono::steady_clock::now() + 1500ms;
       std::chrono::steady_clock::now() < end;) {
    if (!isWhole(folder.conf)) ++torn;
  }
  for (const pid_t writer : writers) {
    ::kill(writer, SIGKILL);
    int status = 0;
    ::waitpid(writer, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status)) << "a writer failed to save";
  }
  EXPECT_EQ(torn, 0);
  saveAll(folder.conf, "7");  // the last close decides
  EXPECT_EQ(SettingsFile(folder.conf).read("StartUp").at("label2"), "7");
}

TEST(SettingsFileRace, AKillAtAnyMomentLeavesAWholeFileAndTheNextCloseTidiesUp) {
  TempFolder folder;
  put(folder.conf, "; mine\n[StartUp]\n");
  saveAll(folder.conf, "0");
  for (const std::chrono::microseconds delay :
       {0us, 200us, 500us, 1000us, 2000us, 3000us, 5000us, 8000us, 13000us, 21000us}) {
    const pid_t writer = savingForever(folder.conf, 1);
    std::this_thread::sleep_for(delay);
    ::kill(writer, SIGKILL);
    ::waitpid(writer, nullptr, 0);
    EXPECT_TRUE(isWhole(folder.conf)) << "killed after " << delay.count() << " us";
  }
  saveAll(folder.conf, "1");
  for (const auto& entry : fs::directory_iterator(folder.conf.parent_path())) {
    EXPECT_EQ(entry.path().filename().string().find(".saving."), std::string::npos) << entry.path();
  }
}

TEST(SettingsFileRace, TakesTurnsWithTheLockOfQSettings) {
  TempFolder folder;
  const QString lockFile = QString::fromStdString(folder.conf.string() + ".lock");
  {
    QLockFile theirs(lockFile);
    ASSERT_TRUE(theirs.tryLock(0));
    EXPECT_THROW(SettingsLock(folder.conf.string(), 100ms), SettingsWriteError);
  }
  const SettingsLock ours(folder.conf.string(), 100ms);
  EXPECT_FALSE(QLockFile(lockFile).tryLock(0));
}

}  // namespace
}  // namespace vorlix::settings
