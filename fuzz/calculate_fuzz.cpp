// SPDX-License-Identifier: GPL-3.0-or-later
#include <fuzzer/FuzzedDataProvider.h>

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "window/calculator_commands.h"

namespace {

using vorlix::window::Control;

class CountedMessages final : public vorlix::window::MessageBox {
 public:
  void show(std::string_view /*text*/) override { ++shown; }
  int shown = 0;
};

bool isShownNumber(const std::string& text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc{} && ptr == end && value >= -32768 && value <= 32767 &&
         std::to_string(value) == text;
}

}  // namespace

// Six arbitrary entry texts and an arbitrary operator caption through the
// Calculate command: no crash, at most one message, and every result box
// shows a 16-bit decimal or is still empty.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  vorlix::window::WindowModel window{vorlix::english()};
  CountedMessages messages;
  for (const Control box : vorlix::window::kEntryOrder) {
    window.setText(box, input.ConsumeRandomLengthString(12));
  }
  window.setCaption(Control::OperatorLabel, input.ConsumeRandomLengthString(2));
  vorlix::window::CalculatorCommands(window, messages, vorlix::english()).calculate();

  for (const Control box : vorlix::window::kResultBoxes) {
    const std::string& shown = window.text(box);
    if (!shown.empty() && !isShownNumber(shown)) std::abort();
  }
  if (messages.shown > 1) std::abort();
  return 0;
}
