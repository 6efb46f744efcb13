#include <fuzzer/FuzzedDataProvider.h>

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "window/commands.h"
#include "window/memory_form.h"

namespace {

using vorlix::window::ControlName;
using vorlix::window::member;

bool isShownNumber(const std::string& text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc{} && ptr == end && value >= -32768 && value <= 32767 &&
         std::to_string(value) == text;
}

}  // namespace

// Six arbitrary entry texts and an arbitrary operator caption through the
// Calculate command: no crash, and every result box shows a 16-bit decimal
// or is still empty.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  vorlix::window::MemoryForm form;
  for (std::int16_t box = 0; box < 6; ++box) {
    form.setText(member(ControlName::Text1, box), input.ConsumeRandomLengthString(12));
  }
  form.setCaption(vorlix::window::single(ControlName::Label1), input.ConsumeRandomLengthString(2));
  vorlix::window::Form1Commands(form).Command1_Click(0);

  for (std::int16_t box = 0; box < 3; ++box) {
    const std::string shown = form.text(member(ControlName::Text2, box));
    if (!shown.empty() && !isShownNumber(shown)) std::abort();
  }
  if (form.messages().size() > 1) std::abort();
  return 0;
}
