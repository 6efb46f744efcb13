// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace vorlix::app {

// SIGTERM, SIGHUP and SIGINT, each turned into a call between events. The
// handler only writes to a pipe, as little as a signal handler may safely
// do; a socket notifier reads the pipe and calls `onSignal` from the event
// loop, so a signal never breaks into a save halfway, and a second one
// during a save only waits in the pipe. A signal ignored when the program
// started (by nohup, or for a script's background job) stays ignored.
class EndingSignals final {
 public:
  explicit EndingSignals(std::function<void()> onSignal);

 private:
  std::function<void()> onSignal_;
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace vorlix::app
