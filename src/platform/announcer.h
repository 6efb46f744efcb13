// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

namespace vorlix::platform {

// Makes a screen reader speak a phrase without moving the focus. Qt 6.4
// has no call for that; Orca speaks a notification when it appears,
// wherever the focus is, as "notification" and its name. So each phrase is
// the name of a notification that appears anew: a child of the window with
// no size, which draws nothing and cannot take the focus.
class Announcer {
 public:
  explicit Announcer(QWidget& window);
  void say(const QString& phrase);

 private:
  QWidget& window_;
  QPointer<QWidget> notice_;  // made for the first phrase; the window owns it
};

}  // namespace vorlix::platform
