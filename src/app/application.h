// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <memory>

namespace vorlix::app {

// Creates the application on the platform Qt picks. When no platform can
// start (no display is set, or the one set cannot be reached) Qt would
// abort with advice to reinstall; instead this says on standard error which
// display could not be opened, naming the variable or option that gave it,
// and exits with status kFailed. Qt's own messages from the attempt are
// held back, and passed on once the application exists.
std::unique_ptr<QApplication> openApplication(int& argc, char** argv);

}  // namespace vorlix::app
