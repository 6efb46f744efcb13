// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include "app/ending_signals.h"
#include "platform/main_window.h"

namespace vorlix::app {

// The ways a session ends with the window open, each as sure as the close
// box: SIGTERM, SIGHUP or SIGINT. Each saves the colours as closing does,
// but tells a failure on standard error, since no message box may hold up
// a logout, and ends the program with status 0.
class SessionEnd final : public QObject {
 public:
  explicit SessionEnd(platform::MainWindow& window) : window_(window) {}

 private:
  void save();
  void end();

  platform::MainWindow& window_;
  EndingSignals endingSignals_{[this] { end(); }};
};

}  // namespace vorlix::app
