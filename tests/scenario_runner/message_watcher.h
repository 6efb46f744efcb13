// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>

namespace vorlix::testing {

// Answers every message box that opens: prints `message "..."` and presses
// OK. A box that is not titled "Vorlix", shows an icon or offers another
// button ends the process with status 1.
class MessageWatcher : public QObject {
 public:
  MessageWatcher();

 private:
  void poll();
  QTimer timer_;
};

}  // namespace vorlix::testing
