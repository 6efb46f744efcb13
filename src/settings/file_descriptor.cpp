// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/file_descriptor.h"

#include <unistd.h>

#include <cerrno>
#include <utility>

namespace vorlix::settings {

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept {
  if (this != &other) {
    close();
    fd_ = other.release();
  }
  return *this;
}

FileDescriptor::~FileDescriptor() { close(); }

int FileDescriptor::release() { return std::exchange(fd_, -1); }

int FileDescriptor::close() {
  if (fd_ < 0) return 0;
  // Linux frees the descriptor even when close fails, so it is never retried.
  const int result = ::close(std::exchange(fd_, -1));
  return result == 0 ? 0 : errno;
}

int readUpTo(int fd, std::string& text, std::size_t limit) {
  constexpr std::size_t kChunk = std::size_t{64} * 1024;
  text.clear();
  while (text.size() <= limit) {
    const std::size_t before = text.size();
    text.resize(before + kChunk);
    const ssize_t got = ::read(fd, &text[before], kChunk);
    if (got < 0 && errno == EINTR) {
      text.resize(before);
      continue;
    }
    if (got < 0) {
      const int error = errno;
      text.resize(before);
      return error;
    }
    text.resize(before + static_cast<std::size_t>(got));
    if (got == 0) break;
  }
  return 0;
}

int writeAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = ::write(fd, text.data(), text.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) return errno;
    text.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

}  // namespace vorlix::settings
