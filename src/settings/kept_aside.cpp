// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/kept_aside.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "settings/file_descriptor.h"
#include "settings/save_failure.h"

namespace vorlix::settings {
namespace {

// Far more than anyone keeps; past it something is wrong with the folder.
constexpr int kMostKeptCopies = 10000;

std::string keptName(const std::string& file, int number) {
  const std::string first = file + ".unreadable";
  return number == 1 ? first : first + '.' + std::to_string(number);
}

// A hard link leaves the file where it is until the fresh one replaces it;
// where the file system has no hard links, the file is renamed instead.
std::error_code takeName(const std::string& file, const std::string& name) {
  if (::link(file.c_str(), name.c_str()) == 0) return {};
  if (errno == EEXIST) return lastError();
  if (::renameat2(AT_FDCWD, file.c_str(), AT_FDCWD, name.c_str(), RENAME_NOREPLACE) == 0) {
    return {};
  }
  return lastError();
}

}  // namespace

std::string keepAside(const std::string& file) {
  for (int number = 1; number <= kMostKeptCopies; ++number) {
    std::string name = keptName(file, number);
    const std::error_code error = takeName(file, name);
    if (!error) return name;
    if (error != std::errc::file_exists) throw saveFailure(SaveFailure::NotKeptAside, file, error);
  }
  throw saveFailure(SaveFailure::NotKeptAside, file, std::make_error_code(std::errc::file_exists));
}

}  // namespace vorlix::settings
