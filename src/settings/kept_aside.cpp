// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/kept_aside.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "settings/save_failure.h"

namespace vorlix::settings {
namespace {

// Far more than anyone keeps; past it something is wrong with the folder.
constexpr int kMostKeptCopies = 10000;

std::string keptName(const std::string& file, int number) {
  const std::string first = file + ".unreadable";
  return number == 1 ? first : first + '.' + std::to_string(number);
}

// 0, or errno. A hard link leaves the file where it is until the fresh
// one replaces it; where the file system has no hard links, the file is
// renamed instead.
int takeName(const std::string& file, const std::string& name) {
  if (::link(file.c_str(), name.c_str()) == 0) return 0;
  if (errno == EEXIST) return EEXIST;
  if (::renameat2(AT_FDCWD, file.c_str(), AT_FDCWD, name.c_str(), RENAME_NOREPLACE) == 0) {
    return 0;
  }
  return errno;
}

}  // namespace

std::string keepAside(const std::string& file) {
  for (int number = 1; number <= kMostKeptCopies; ++number) {
    std::string name = keptName(file, number);
    const int error = takeName(file, name);
    if (error == 0) return name;
    if (error != EEXIST) throw saveFailure(SaveFailure::NotKeptAside, file, error);
  }
  throw saveFailure(SaveFailure::NotKeptAside, file, EEXIST);
}

}  // namespace vorlix::settings
