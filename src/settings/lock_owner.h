// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace vorlix::settings {

// Who holds a lock file, as QLockFile writes it: one line each for the
// process id, the program's name, the host name, the machine id and the
// boot id. The last two are missing from files of older Qt versions.
struct LockOwner {
  long long pid = 0;
  std::string program;
  std::string host;
  std::string machineId;
  std::string bootId;
};

// This process, as its lock file names it.
LockOwner thisProcess();
std::string lockFileText(const LockOwner& owner);
// nullopt for text that names no process: junk, or a lock caught between
// its creation and the writing of its text.
std::optional<LockOwner> parseLockFile(std::string_view text);

// A lock older than this is left over whoever wrote it, as QLockFile
// judges by default; saving takes far less.
inline constexpr std::chrono::seconds kLeftOverAfter{30};

// Whether a lock is left over rather than held, by QLockFile's rules: on
// this machine, one from an earlier boot, or of a process that has ended or
// whose id now belongs to another program; anywhere, one older than
// kLeftOverAfter.
bool isLeftOver(const LockOwner& owner, std::chrono::seconds age);

}  // namespace vorlix::settings
