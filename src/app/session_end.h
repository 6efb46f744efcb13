// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <optional>
#include <string>

#include "app/ending_signals.h"
#include "app/lost_display.h"
#include "platform/main_window.h"

namespace vorlix::app {

// The ways a session ends with the window open, each as sure as the close
// box: the session manager's requests to save (a checkpoint, or the first
// step of a logout) and its order to quit, SIGTERM, SIGHUP or SIGINT, and
// the display going away. Each saves the colours as closing does, but
// tells a failure on standard error, since no message box may hold up a
// logout, nor be shown without a display; the order to quit and the
// signals then end the program with status 0, or kFailed when the colours
// in force could not be saved, and Qt ends it with status 1 when the
// display has gone.
class SessionEnd final : public QObject {
 public:
  explicit SessionEnd(platform::MainWindow& window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void save();
  void end();

  platform::MainWindow& window_;
  std::optional<std::string> failure_;  // why the last save failed, once told
  EndingSignals endingSignals_{[this] { end(); }};
  LostDisplay lostDisplay_{[this] { save(); }};
};

}  // namespace vorlix::app
