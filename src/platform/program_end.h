// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vorlix::platform {

// The status the program ends with, once the event loop is over and the
// colours are saved. On Wayland the program ends right here instead: as
// the application is destroyed, Qt 6.4's Wayland plugin can wait for ever
// for its event thread, blocked reading from the compositor, and nothing
// is left to do by then.
int endOfProgram(int status);

}  // namespace vorlix::platform
