// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/session_end.h"

#include <QApplication>
#include <QSessionManager>

#include "app/command_line.h"
#include "app/complaint.h"

namespace vorlix::app {

SessionEnd::SessionEnd(platform::MainWindow& window) : window_(window) {
  connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { save(); });
  connect(qApp, &QGuiApplication::saveStateRequest, this, [this](QSessionManager&) { save(); });
  qApp->installEventFilter(this);
}

// The session manager's order to quit reaches the application as a Quit
// event, on which Qt would close the window, and closing may show a box.
// A Quit after the window has closed is Qt's own, and goes on.
bool SessionEnd::eventFilter(QObject* watched, QEvent* event) {
  if (watched != qApp || event->type() != QEvent::Quit || !window_.isVisible()) return false;
  end();
  return true;
}

void SessionEnd::end() {
  if (window_.isVisible()) save();
  QCoreApplication::exit(failure_ ? kFailed : 0);
}

// A failure is told once, not at each request for colours already found
// unsaveable.
void SessionEnd::save() {
  std::optional<std::string> failure = window_.saveColoursNow();
  if (failure && failure != failure_) complain(*failure);
  failure_ = std::move(failure);
}

}  // namespace vorlix::app
