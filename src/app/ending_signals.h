// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace vorlix::app {

// SIGTERM, SIGHUP and SIGINT, caught from the first instant of the program:
// the handlers are installed from the executable's .preinit_array, before
// any library's constructor runs and before main. Until an EndingSignals
// exists nothing has been chosen and nothing is to be saved, so a signal
// ends the program there and then with status 0. Afterwards each is
// turned into a call between events: the handler only writes to a pipe,
// as little as a signal handler may safely do, and a socket notifier reads
// the pipe and calls `onSignal` from the event loop, so a signal never
// breaks into a save halfway, and a second one during a save only waits in
// the pipe. A signal ignored when the program started (by nohup, or for a
// script's background job) stays ignored.
class EndingSignals final {
 public:
  explicit EndingSignals(std::function<void()> onSignal);

 private:
  std::function<void()> onSignal_;
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace vorlix::app
