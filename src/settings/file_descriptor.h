// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cerrno>
#include <cstddef>
#include <string>
#include <string_view>
#include <system_error>

namespace vorlix::settings {

// An open POSIX file, closed when it goes. POSIX calls rather than QFile,
// so that errno names what went wrong for the user.
class FileDescriptor {
 public:
  FileDescriptor() = default;
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.release()) {}
  FileDescriptor& operator=(FileDescriptor&& other) noexcept;
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor();

  int get() const { return fd_; }
  bool isOpen() const { return fd_ >= 0; }
  int release();
  // Closes now; why the close failed, if it did. A failed close can be the
  // first news of a full disk on some file systems.
  std::error_code close();

 private:
  int fd_ = -1;
};

// What errno says went wrong.
inline std::error_code lastError() { return {errno, std::system_category()}; }

// Reads up to `limit` bytes and one more, so that the caller can tell a
// file over the limit from one at it.
std::error_code readUpTo(int fd, std::string& text, std::size_t limit);

// Writes all of `text`.
std::error_code writeAll(int fd, std::string_view text);

}  // namespace vorlix::settings
