// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>

#include <QString>
#include <QSysInfo>
#include <chrono>

#include "case_name.h"
#include "settings/settings_file.h"
#include "settings/settings_file_fixture.h"

namespace vorlix::settings {
namespace {

using namespace testing;
using Clock = std::chrono::steady_clock;

std::string save(const fs::path& file) {
  try {
    SettingsFile(file).write("StartUp", std::vector<settings::StoredValue>{{"form", "255"}});
    return "";
  } catch (const settings::SettingsWriteError& error) {
    return error.what();
  }
}

// What the user is told when a close fails, the old file left as it was.
enum class Who { Self, Nobody, NobodyFromRoot, RootWithMount };

struct FailureCase {
  const char* name;
  std::function<void(TempFolder&)> make;
  std::string message;  // {conf}, {dir} and {root} stand for the folder's paths
  Who who = Who::Self;
};
void PrintTo(const FailureCase& row, std::ostream* out) { *out << row.name; }

class FailedClose : public ::testing::TestWithParam<FailureCase> {};

std::string filled(std::string text, const TempFolder& folder) {
  const std::pair<std::string, std::string> names[] = {
      {"{conf}", folder.conf.string()},
      {"{dir}", folder.conf.parent_path().string()},
      {"{root}", folder.root.string()}};
  for (const auto& [name, path] : names) {
    for (std::size_t at; (at = text.find(name)) != std::string::npos;)
      text.replace(at, name.size(), path);
  }
  return text;
}

std::string ownLockInfo() {
  return std::to_string(::getpid()) + "\n" +
         fs::read_symlink("/proc/self/exe").filename().string() + "\n" +
         QSysInfo::machineHostName().toStdString() + "\n";
}

TEST_P(FailedClose, SaysWhyAndLeavesTheOldFile) {
  const FailureCase& row = GetParam();
  if (row.who == Who::NobodyFromRoot && !isRoot())
    GTEST_SKIP() << "needs root to make a file of another user";
  TempFolder folder;
  if (row.who == Who::RootWithMount) {
    fs::create_directory(folder.root / "small");
    if (!isRoot() ||
        ::mount("tmpfs", (folder.root / "small").c_str(), "tmpfs", 0, "size=16k") != 0) {
      GTEST_SKIP() << "needs root and leave to mount a small tmpfs";
    }
    folder.mounted = folder.root / "small";
    folder.conf = folder.root / "small" / "Vorlix" / "Vorlix.conf";
    fs::create_directory(folder.conf.parent_path());
  }
  if (fs::is_directory(folder.conf.parent_path())) put(folder.conf, "[StartUp]\nform=65280\n");
  row.make(folder);
  const std::string before = fs::is_regular_file(folder.conf) ? slurp(folder.conf) : "";
  if (row.who == Who::Nobody) folder.handToNobody();
  const auto start = Clock::now();
  const bool dropRoot = row.who == Who::Nobody || row.who == Who::NobodyFromRoot;
  const std::string said =
      dropRoot ? unprivileged([&] { return save(folder.conf); }) : save(folder.conf);
  EXPECT_EQ(said, filled(row.message, folder));
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(4));
  if (fs::is_regular_file(folder.conf)) {
    EXPECT_EQ(slurp(folder.conf), before);
  }
}

void fillDisk(TempFolder& f) { put(f.root / "small" / "filler", std::string(1 << 20, 'x')); }

INSTANTIATE_TEST_SUITE_P(
    Files, FailedClose,
    ::testing::Values(
        FailureCase{"FileIsAFolder",
                    [](TempFolder& f) {
                      fs::remove(f.conf);
                      fs::create_directory(f.conf);
                    },
                    "{conf} is a folder, not a file."},
        FailureCase{"FolderIsAFile",
                    [](TempFolder& f) {
                      fs::remove_all(f.conf.parent_path());
                      put(f.conf.parent_path(), "keep");
                    },
                    "{dir} is a file, not a folder."},
        FailureCase{"FolderAboveIsAFile",
                    [](TempFolder& f) {
                      put(f.root / "x", "");
                      f.conf = f.root / "x" / "Vorlix" / "Vorlix.conf";
                    },
                    "{root}/x is a file, not a folder."},
        FailureCase{"ReadOnlyFile", [](TempFolder& f) { fs::permissions(f.conf, fs::perms(0444)); },
                    "{conf} is read-only."},
        FailureCase{"ReadOnlyFolder",
                    [](TempFolder& f) { fs::permissions(f.conf.parent_path(), fs::perms(0555)); },
                    "the folder {dir} is read-only.", Who::Nobody},
        FailureCase{"NamedPipe",
                    [](TempFolder& f) {
                      fs::remove(f.conf);
                      ::mkfifo(f.conf.c_str(), 0600);
                    },
                    "{conf} is a pipe or a device, not a file."},
        FailureCase{"UnreadableFile",
                    [](TempFolder& f) { fs::permissions(f.conf, fs::perms(0200)); },
                    "{conf} could not be read: permission denied.", Who::Nobody},
        FailureCase{"DanglingLinkMissingFolder",
                    [](TempFolder& f) {
                      fs::remove(f.conf);
                      fs::create_symlink(f.root / "gone" / "x.conf", f.conf);
                    },
                    "the folder {root}/gone does not exist."},
        FailureCase{"LinkIntoReadOnlyFolder",
                    [](TempFolder& f) {
                      fs::create_directory(f.root / "ro");
                      fs::rename(f.conf, f.root / "ro" / "x.conf");
                      fs::create_symlink(f.root / "ro" / "x.conf", f.conf);
                      fs::permissions(f.root / "ro", fs::perms(0555));
                    },
                    "the folder {root}/ro is read-only.", Who::Nobody},
        FailureCase{"FullDisk", fillDisk, "{conf} could not be written; the disk may be full.",
                    Who::RootWithMount},
        FailureCase{"ReadOnlyFileSystem",
                    [](TempFolder& f) {
                      ::mount(nullptr, (f.root / "small").c_str(), nullptr, MS_REMOUNT | MS_RDONLY,
                              nullptr);
                    },
                    "the folder {dir} is on a read-only file system.", Who::RootWithMount},
        FailureCase{"LiveLockHolder",
                    [](TempFolder& f) { put(f.conf.string() + ".lock", ownLockInfo()); },
                    "the settings file {conf} is locked by another program."},
        FailureCase{"LockLinksToALiveLock",
                    [](TempFolder& f) {
                      put(f.root / "held", ownLockInfo());
                      fs::create_symlink(f.root / "held", f.conf.string() + ".lock");
                    },
                    "the settings file {conf} is locked by another program."},
        FailureCase{"LockIsAFolder",
                    [](TempFolder& f) { fs::create_directory(f.conf.string() + ".lock"); },
                    "the lock file {conf}.lock is a folder, not a file."},
        FailureCase{"ReadOnlyJunkLock",
                    [](TempFolder& f) {
                      put(f.conf.string() + ".lock", "junk");
                      fs::permissions(f.conf.string() + ".lock", fs::perms(0444));
                    },
                    "the lock file {conf}.lock could not be removed: permission denied.",
                    Who::Nobody},
        FailureCase{"DeadLockOfRoot",
                    [](TempFolder& f) {
                      f.handToNobody();
                      const pid_t child = ::fork();
                      if (child == 0) ::_exit(0);
                      ::waitpid(child, nullptr, 0);
                      put(f.conf.string() + ".lock", std::to_string(child) + "\nx\n");  // root's
                    },
                    "the lock file {conf}.lock could not be removed: permission denied.",
                    Who::NobodyFromRoot}),
    CaseName{});

}  // namespace
}  // namespace vorlix::settings
