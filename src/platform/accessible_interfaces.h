// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>

namespace vorlix::platform {

// How assistive technology meets the widgets where Qt's own reading falls
// short, installed once for the application before its first window:
// - the window is a frame, as other programs' main windows are, not a
//   plain panel;
// - a text box reads its whole text as one run (text_box_accessible.cpp);
// - the announcer's notice is a notification (announcer.h).
void installAccessibleInterfaces();

// The factories it installs, each answering for its own widgets only.
QAccessibleInterface* textBoxAccessible(const QString& className, QObject* object);
QAccessibleInterface* noticeAccessible(const QString& className, QObject* object);

}  // namespace vorlix::platform
