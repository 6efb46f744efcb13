// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "settings/ini_key.h"
#include "settings/settings_text.h"

namespace {

using vorlix::settings::StoredSection;
using vorlix::settings::StoredValue;

void require(bool holds) {
  if (!holds) std::abort();
}

// Values to write: every storable key the text had in the section, with
// its value or a number, and one key it may not have had.
std::vector<StoredValue> valuesFor(const StoredSection& read) {
  std::vector<StoredValue> values;
  for (const auto& [key, text] : read) {
    StoredValue value{key, text};
    if (!vorlix::settings::isStorable(value)) value.text = std::to_string(values.size());
    if (vorlix::settings::isStorable(value)) values.push_back(value);
  }
  if (!read.contains("command1(1)")) values.push_back({"command1(1)", "-2147483633"});
  return values;
}

}  // namespace

// Any bytes as a settings file: reading never fails, writing sets exactly
// the values given and leaves other sections as they read, and writing
// the same values again changes nothing.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view file(reinterpret_cast<const char*>(data), size);
  const std::vector<StoredValue> values = valuesFor(vorlix::settings::readSection(file, "StartUp"));
  const std::string written = vorlix::settings::withValues(file, "StartUp", values);
  const StoredSection back = vorlix::settings::readSection(written, "StartUp");
  for (const StoredValue& value : values) {
    const auto found = back.find(value.key);
    require(found != back.end() && found->second == value.text);
  }
  require(vorlix::settings::readSection(written, "Other") ==
          vorlix::settings::readSection(file, "Other"));
  require(vorlix::settings::withValues(written, "StartUp", values) == written);
  if (vorlix::settings::isAscii(file)) {
    require(vorlix::settings::unescapedKey(vorlix::settings::escapedKey(file)) == file);
  }
  return 0;
}
