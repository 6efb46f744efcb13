// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ending_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>

namespace vorlix::app {
namespace {

constexpr std::array kEndingSignals{SIGTERM, SIGHUP, SIGINT};

// Read by the event loop, written by the handler. Both ends stay open for
// the life of the process, so that a signal arriving as the program ends
// never writes into a descriptor that was closed and reused. A handler
// can reach nothing but such a global.
// NOLINTNEXTLINE(cppcoreguidelines-avoid-non-const-global-variables)
std::array<int, 2> pipeEnds{-1, -1};

void tellEventLoop(int signal) {
  const int savedErrno = errno;
  const auto byte = static_cast<char>(signal);
  // A full pipe already holds a byte that will wake the loop: a write that
  // fails loses nothing.
  [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &byte, 1);
  errno = savedErrno;
}

bool ignoredAtStart(int signal) {
  struct sigaction current {};
  return ::sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_IGN;
}

}  // namespace

EndingSignals::EndingSignals(std::function<void()> onSignal) : onSignal_(std::move(onSignal)) {
  if (pipeEnds[0] < 0 && ::pipe2(pipeEnds.data(), O_CLOEXEC | O_NONBLOCK) != 0) return;
  notifier_ = std::make_unique<QSocketNotifier>(pipeEnds[0], QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [this] {
    std::array<char, 64> bytes{};
    while (::read(pipeEnds[0], bytes.data(), bytes.size()) > 0) {
    }
    onSignal_();
  });
  struct sigaction action {};
  action.sa_handler = tellEventLoop;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;  // a file being saved sees no EINTR
  for (const int signal : kEndingSignals) {
    if (!ignoredAtStart(signal)) ::sigaction(signal, &action, nullptr);
  }
}

}  // namespace vorlix::app
