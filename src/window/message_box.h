// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace vorlix::window {

// A modal message box titled with the program's name, with an OK button
// only and no icon.
class MessageBox {
 public:
  virtual ~MessageBox() = default;
  // Returns once the user has dismissed the box.
  virtual void show(std::string_view text) = 0;
};

}  // namespace vorlix::window
