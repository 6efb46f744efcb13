// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "colors/colour_groups.h"
#include "window/window_model.h"

namespace vorlix::colors {

// Mouse buttons by their codes.
enum class MouseButton : std::uint8_t { Left = 1, Right = 2, Middle = 4 };

// Right-click recolouring. Each group's counter holds the palette entry it
// applied last (0 before its first right-click); the next right-click on
// any member applies the entry after it, whatever colour the element shows.
// The counters start again at every start of the program.
class Recolouring {
 public:
  explicit Recolouring(window::WindowModel& window) : window_(window) {}
  Recolouring(const Recolouring&) = delete;
  Recolouring& operator=(const Recolouring&) = delete;
  ~Recolouring() = default;

  // Only the right button recolours; other buttons change nothing.
  void buttonReleased(window::Control element, MouseButton button);
  // Gives the element its group's next palette entry.
  void recolour(window::Control element);

 private:
  window::WindowModel& window_;
  std::array<std::uint8_t, kColourGroupCount> lastEntry_{};
};

}  // namespace vorlix::colors
