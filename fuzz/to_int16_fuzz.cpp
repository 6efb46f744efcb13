// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "calc/runtime_error.h"
#include "calc/to_int16.h"

// Any text either converts to a value that its digits spell or raises one of
// the two conversion errors; nothing else may escape.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    const int value = vorlix::calc::toInt16(text);
    if (value < 0 || text.find_first_of("123456789") == std::string_view::npos) {
      if (value != 0) std::abort();
    }
  } catch (const vorlix::calc::RunTimeError& error) {
    using vorlix::calc::ErrorCode;
    if (error.code() != ErrorCode::Overflow && error.code() != ErrorCode::TypeMismatch) {
      std::abort();
    }
  }
  return 0;
}
