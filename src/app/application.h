// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <memory>

namespace vorlix::app {

// Creates the application on the platform Qt picks. When no platform can
// start (no display is set, or the one set cannot be reached) Qt would
// abort with advice to reinstall; instead this says on standard error what
// it was given to open, by the -display or -platform option or by the
// QT_QPA_PLATFORM, DISPLAY or WAYLAND_DISPLAY variable, with Qt's own
// reason, and exits with status kFailed. Which platforms Qt tries, and in
// what order, is Qt's to decide. Qt's own messages from the attempt are
// held back, and passed on once the application exists.
std::unique_ptr<QApplication> openApplication(int& argc, char** argv);

}  // namespace vorlix::app
