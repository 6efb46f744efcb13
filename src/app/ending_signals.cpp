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

// What the handler reaches, as a handler can reach nothing but globals.
// The pipe is read by the event loop; both ends stay open for the life of
// the process, so that a signal arriving as the program ends never writes
// into a descriptor that was closed and reused.
// NOLINTBEGIN(cppcoreguidelines-avoid-non-const-global-variables)
std::array<int, 2> pipeEnds{-1, -1};
volatile std::sig_atomic_t eventLoopListens = 0;
// NOLINTEND(cppcoreguidelines-avoid-non-const-global-variables)

void onEndingSignal(int signal) {
  if (eventLoopListens == 0) ::_exit(0);  // nothing chosen yet, nothing to save
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

void catchEndingSignals(int /*argc*/, char** /*argv*/, char** /*environment*/) {
  if (::pipe2(pipeEnds.data(), O_CLOEXEC | O_NONBLOCK) != 0) return;
  struct sigaction action {};
  action.sa_handler = onEndingSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;  // a file being saved sees no EINTR
  for (const int signal : kEndingSignals) {
    if (!ignoredAtStart(signal)) ::sigaction(signal, &action, nullptr);
  }
}

// Run by the dynamic loader once it has loaded the libraries, before their
// constructors: the earliest code of the program's own.
using StartFunction = void (*)(int, char**, char**);
[[gnu::used, gnu::section(".preinit_array")]] constexpr StartFunction kCatchAtStart =
    catchEndingSignals;

}  // namespace

EndingSignals::EndingSignals(std::function<void()> onSignal) : onSignal_(std::move(onSignal)) {
  if (pipeEnds[0] < 0) return;
  notifier_ = std::make_unique<QSocketNotifier>(pipeEnds[0], QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [this] {
    std::array<char, 64> bytes{};
    while (::read(pipeEnds[0], bytes.data(), bytes.size()) > 0) {
    }
    onSignal_();
  });
  eventLoopListens = 1;
}

}  // namespace vorlix::app
