// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/link_target.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

namespace vorlix::settings {
namespace {

// As many links as the kernel follows before it gives up with ELOOP.
constexpr int kMostLinks = 40;

}  // namespace

LinkTarget linkTarget(const std::string& file) {
  std::filesystem::path path(file);
  int followed = 0;
  for (; followed < kMostLinks; ++followed) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) break;
    std::string target(static_cast<std::size_t>(status.st_size) + 1, '\0');
    const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
    if (length < 0 || static_cast<std::size_t>(length) >= target.size()) break;
    target.resize(static_cast<std::size_t>(length));
    path = path.parent_path() / target;  // an absolute target replaces the whole path
  }
  if (followed == 0) return {file, path.parent_path().string()};
  // A link's ".." is taken from the real folder the link is in, as the
  // kernel does, and the real folder is what the user is told about.
  std::error_code error;
  std::filesystem::path folder = std::filesystem::canonical(path.parent_path(), error);
  if (error) folder = path.parent_path().lexically_normal();
  return {(folder / path.filename()).string(), folder.string()};
}

}  // namespace vorlix::settings
