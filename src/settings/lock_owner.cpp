// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/lock_owner.h"

#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <csignal>
#include <filesystem>
#include <fstream>

namespace vorlix::settings {
namespace {

std::string firstLineOf(const char* path) {
  std::ifstream file(path);
  std::string line;
  std::getline(file, line);
  return line;
}

std::string machineId() {
  const std::string id = firstLineOf("/etc/machine-id");
  return id.empty() ? firstLineOf("/var/lib/dbus/machine-id") : id;
}

std::string bootId() { return firstLineOf("/proc/sys/kernel/random/boot_id"); }

std::string hostName() {
  std::string name(HOST_NAME_MAX + 1, '\0');
  if (::gethostname(name.data(), name.size() - 1) != 0) return {};
  name.resize(name.find('\0'));
  return name;
}

// The file name of the program a process runs; nullopt when it cannot be
// seen (it has ended, or belongs to another user).
std::optional<std::string> programOf(long long pid) {
  std::error_code error;
  std::string path =
      std::filesystem::read_symlink("/proc/" + std::to_string(pid) + "/exe", error).string();
  if (error) return std::nullopt;
  constexpr std::string_view kDeleted = " (deleted)";
  if (path.ends_with(kDeleted)) path.resize(path.size() - kDeleted.size());
  return std::filesystem::path(path).filename().string();
}

bool isRunning(const LockOwner& owner) {
  if (::kill(static_cast<pid_t>(owner.pid), 0) != 0 && errno == ESRCH) return false;
  // A program that cannot be seen counts as another one, as for QLockFile.
  return programOf(owner.pid) == std::filesystem::path(owner.program).filename().string();
}

std::string_view nextLine(std::string_view& text) {
  const std::size_t end = text.find('\n');
  const std::string_view line = text.substr(0, end);
  text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  return line;
}

}  // namespace

LockOwner thisProcess() {
  const long long pid = ::getpid();
  return {pid, programOf(pid).value_or(""), hostName(), machineId(), bootId()};
}

std::string lockFileText(const LockOwner& owner) {
  return std::to_string(owner.pid) + '\n' + owner.program + '\n' + owner.host + '\n' +
         owner.machineId + '\n' + owner.bootId + '\n';
}

std::optional<LockOwner> parseLockFile(std::string_view text) {
  const std::string_view pidLine = nextLine(text);
  LockOwner owner;
  const auto [end, error] =
      std::from_chars(pidLine.data(), pidLine.data() + pidLine.size(), owner.pid);
  if (error != std::errc{} || end != pidLine.data() + pidLine.size() || owner.pid <= 0 ||
      owner.pid > INT_MAX) {
    return std::nullopt;
  }
  owner.program = nextLine(text);
  owner.host = nextLine(text);
  owner.machineId = nextLine(text);
  owner.bootId = nextLine(text);
  return owner;
}

bool isLeftOver(const LockOwner& owner, std::chrono::seconds age) {
  bool sameMachine = owner.host.empty() || owner.host == hostName();
  if (const std::string ours = machineId(); !owner.machineId.empty() && !ours.empty()) {
    sameMachine = owner.machineId == ours;
  }
  if (sameMachine && !owner.bootId.empty() && owner.bootId != bootId()) return true;
  if (sameMachine && !isRunning(owner)) return true;
  return age > kLeftOverAfter;
}

}  // namespace vorlix::settings
