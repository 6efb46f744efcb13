// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace vorlix::app {

// When the display goes away with the window open (the X server or the
// Wayland compositor ends), Qt says so in a warning and ends the program
// at once with status 1: on X through exit() from the event loop, on
// Wayland through _exit() from whichever thread saw it first, often Qt's
// own event thread. That warning is the program's last moment, so while a
// LostDisplay lives Qt's messages are watched for it, and `onLost` is
// called first, once, on the GUI thread, which owns the window; the
// warning is then passed on as it was, the reason the program ends.
// `onLost` must need no display.
class LostDisplay final {
 public:
  explicit LostDisplay(std::function<void()> onLost);
  ~LostDisplay();
  LostDisplay(const LostDisplay&) = delete;
  LostDisplay& operator=(const LostDisplay&) = delete;
};

}  // namespace vorlix::app
