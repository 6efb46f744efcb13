// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "window/message_box.h"

namespace vorlix::window::testing {

// Message boxes as a list of their texts, answered at once.
class RecordedMessages final : public MessageBox {
 public:
  void show(std::string_view text) override { texts.emplace_back(text); }
  std::vector<std::string> texts;
};

}  // namespace vorlix::window::testing
