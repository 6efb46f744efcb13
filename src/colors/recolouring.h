// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "colors/colour_groups.h"
#include "translatable.h"
#include "window/spoken_phrases.h"
#include "window/window_model.h"

namespace vorlix::colors {

// Right-click recolouring. Each group's counter holds the palette entry it
// applied last (0 before its first right-click); the next right-click on
// any member applies the entry after it, whatever colour the element shows.
// The counters start again at every start of the program. Each recolouring
// is announced, in `language`, as the element and its new colour.
class Recolouring {
 public:
  explicit Recolouring(window::WindowModel& window, const Language& language)
      : window_(window), language_(language) {}
  Recolouring(const Recolouring&) = delete;
  Recolouring& operator=(const Recolouring&) = delete;
  ~Recolouring() = default;

  // What a right-click on the element does: gives it its group's next
  // palette entry. The copyright line and the drawn shapes have no group.
  void recolour(window::Control element);

  void onAnnouncement(window::AnnouncementListener listener) { announce_ = std::move(listener); }

 private:
  window::WindowModel& window_;
  const Language& language_;
  window::AnnouncementListener announce_;
  std::array<std::uint8_t, kColourGroupCount> lastEntry_{};
};

}  // namespace vorlix::colors
