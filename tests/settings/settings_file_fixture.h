// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <grp.h>
#include <pwd.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <system_error>

namespace vorlix::testing {

namespace fs = std::filesystem;

inline bool isRoot() { return ::geteuid() == 0; }

inline void put(const fs::path& file, const std::string& text) {
  std::ofstream(file, std::ios::binary) << text;
}

inline std::string slurp(const fs::path& file) {
  std::ostringstream text;
  text << std::ifstream(file, std::ios::binary).rdbuf();
  return text.str();
}

// A private folder for one test, where `conf` is <folder>/Vorlix/Vorlix.conf.
// It sits in /tmp under root, so that `nobody` can reach it whatever the
// modes of the checkout's or TMPDIR's folders.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern =
        (isRoot() ? fs::path("/tmp") : fs::temp_directory_path()) / "vorlix-settings-XXXXXX";
    root = ::mkdtemp(pattern.data());
    fs::permissions(root, fs::perms(0755));
    fs::create_directory(root / "Vorlix");
    conf = root / "Vorlix" / "Vorlix.conf";
  }
  ~TempFolder() {
    if (mounted) ::umount2(mounted->c_str(), MNT_DETACH);
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
      if (entry.is_directory() && !entry.is_symlink())
        fs::permissions(entry, fs::perms::owner_all, fs::perm_options::add);
    }
    fs::remove_all(root);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // Gives the folder to `nobody`, for a case run through unprivileged().
  void handToNobody() const {
    const passwd* nobody = ::getpwnam("nobody");
    if (!isRoot() || nobody == nullptr) return;
    const auto give = [nobody](const fs::path& path) {
      if (::lchown(path.c_str(), nobody->pw_uid, nobody->pw_gid) != 0)
        throw std::system_error(errno, std::generic_category(), "lchown " + path.string());
    };
    give(root);
    for (const auto& entry : fs::recursive_directory_iterator(root)) give(entry.path());
  }

  fs::path root;
  fs::path conf;
  std::optional<fs::path> mounted;
};

// Runs `act` without root's power over permissions: forked as `nobody`
// when the tests run as root (the test binary is already in memory, so
// nobody needs no path to it), else as the current user. Returns its text.
inline std::string unprivileged(const std::function<std::string()>& act) {
  if (!isRoot()) return act();
  int pipe[2];
  if (::pipe(pipe) != 0) return "<no pipe>";
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipe[0]);
    const passwd* nobody = ::getpwnam("nobody");
    if (nobody == nullptr || ::setgroups(0, nullptr) != 0 || ::setgid(nobody->pw_gid) != 0 ||
        ::setuid(nobody->pw_uid) != 0) {
      ::_exit(2);
    }
    const std::string result = act();
    (void)!::write(pipe[1], result.data(), result.size());
    ::_exit(0);
  }
  ::close(pipe[1]);
  std::string result;
  char buffer[4096];
  for (ssize_t got; (got = ::read(pipe[0], buffer, sizeof buffer)) > 0;) {
    result.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(pipe[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  return result;
}

}  // namespace vorlix::testing
