// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/file_descriptor.h"

#include <unistd.h>

#include <algorithm>
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

std::error_code FileDescriptor::close() {
  // Linux frees the descriptor even when close fails, so it is never retried.
  if (fd_ >= 0 && ::close(std::exchange(fd_, -1)) != 0) return lastError();
  return {};
}

std::error_code readUpTo(int fd, std::string& text, std::size_t limit) {
  constexpr std::size_t kChunk = std::size_t{64} * 1024;
  text.clear();
  while (text.size() <= limit) {
    const std::size_t before = text.size();
    text.resize(before + kChunk);
    const ssize_t got = ::read(fd, &text[before], kChunk);
    const std::error_code error = got < 0 ? lastError() : std::error_code();
    text.resize(before + static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
    if (error == std::errc::interrupted) continue;
    if (error) return error;
    if (got == 0) break;
  }
  return {};
}

std::error_code writeAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = ::write(fd, text.data(), text.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) return lastError();
    text.remove_prefix(static_cast<std::size_t>(written));
  }
  return {};
}

}  // namespace vorlix::settings
