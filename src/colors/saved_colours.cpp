// SPDX-License-Identifier: GPL-3.0-or-later
#include "colors/saved_colours.h"

#include <array>
#include <charconv>
#include <vector>

namespace vorlix::colors {
namespace {

using enum window::Control;

constexpr std::array kStoredKeys{
    StoredKey{"form", Window},
    StoredKey{"Text1(0)", FirstNumerator},
    StoredKey{"Text1(1)", FirstDenominator},
    StoredKey{"Text1(2)", SecondNumerator},
    StoredKey{"Text1(3)", SecondDenominator},
    StoredKey{"Text2(0)", ResultWhole},
    StoredKey{"Text2(1)", ResultNumerator},
    StoredKey{"Text2(2)", ResultDenominator},
    StoredKey{"label1", OperatorLabel},
    StoredKey{"label2", EqualsLabel},
    StoredKey{"cmdop(0)", SubtractButton},
    StoredKey{"cmdop(1)", AddButton},
    StoredKey{"cmdop(2)", MultiplyButton},
    StoredKey{"cmdop(3)", DivideButton},
    StoredKey{"command1(0)", CalculateButton},
    StoredKey{"command1(1)", NewButton},
};

}  // namespace

std::span<const StoredKey> storedKeys() { return kStoredKeys; }

std::optional<window::Colour> parseStoredColour(std::string_view text) {
  // from_chars takes a leading minus but no plus sign or blanks, and
  // reports a value outside the type's range instead of wrapping it.
  const std::string_view digits = text.starts_with('-') ? text.substr(1) : text;
  if (digits.empty() || digits.front() < '0' || digits.front() > '9') return std::nullopt;
  window::Colour value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc{} || ptr != end) return std::nullopt;
  return value;
}

void restoreColours(window::WindowModel& window, settings::SettingsStore& store) {
  const settings::StoredSection stored = store.read(kSection);
  for (const StoredKey& saved : kStoredKeys) {
    const auto text = stored.find(saved.key);
    if (text == stored.end()) continue;
    if (const auto colour = parseStoredColour(text->second)) {
      window.setBackground(saved.element, *colour);
    }
  }
}

void saveColours(const window::WindowModel& window, settings::SettingsStore& store) {
  std::vector<settings::StoredValue> values;
  values.reserve(kStoredKeys.size());
  for (const StoredKey& saved : kStoredKeys) {
    values.push_back({std::string(saved.key), std::to_string(window.background(saved.element))});
  }
  store.write(kSection, values);
}

std::string saveFailureMessage(const settings::SettingsWriteError& error,
                               const Language& language) {
  //: Shown as the window closes. %1 is one of the other sentences of this
  //: context, which says why ("the folder /home/ann/.config/Vorlix is
  //: read-only."); it starts with a small letter in English and ends
  //: with its own full stop.
  return filledIn(language.text(translatable("SaveFailure", "The colours could not be saved: %1")),
                  {error.inWords(language)});
}

}  // namespace vorlix::colors
