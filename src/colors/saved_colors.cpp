#include "colors/saved_colors.h"

#include <array>
#include <charconv>

namespace vorlix::colors {
namespace {

using window::ControlName;
using window::member;
using window::single;

constexpr std::array kKeys{
    SavedColorKey{"form", single(ControlName::Form1)},
    SavedColorKey{"Text1(0)", member(ControlName::Text1, 0)},
    SavedColorKey{"Text1(1)", member(ControlName::Text1, 1)},
    SavedColorKey{"Text1(2)", member(ControlName::Text1, 2)},
    SavedColorKey{"Text1(3)", member(ControlName::Text1, 3)},
    SavedColorKey{"Text2(0)", member(ControlName::Text2, 0)},
    SavedColorKey{"Text2(1)", member(ControlName::Text2, 1)},
    SavedColorKey{"Text2(2)", member(ControlName::Text2, 2)},
    SavedColorKey{"label1", single(ControlName::Label1)},
    SavedColorKey{"label2", single(ControlName::Label2)},
    SavedColorKey{"cmdop(0)", member(ControlName::cmdOp, 0)},
    SavedColorKey{"cmdop(1)", member(ControlName::cmdOp, 1)},
    SavedColorKey{"cmdop(2)", member(ControlName::cmdOp, 2)},
    SavedColorKey{"cmdop(3)", member(ControlName::cmdOp, 3)},
    SavedColorKey{"command1(0)", member(ControlName::Command1, 0)},
    SavedColorKey{"command1(1)", member(ControlName::Command1, 1)},
};

}  // namespace

std::span<const SavedColorKey> savedColorKeys() { return kKeys; }

std::optional<window::Color> parseStoredColor(std::string_view text) {
  // from_chars takes a leading minus but no plus sign or blanks, and
  // reports a value outside the type's range instead of wrapping it.
  const std::string_view digits = text.starts_with('-') ? text.substr(1) : text;
  if (digits.empty() || digits.front() < '0' || digits.front() > '9') return std::nullopt;
  window::Color value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc{} || ptr != end) return std::nullopt;
  return value;
}

void restoreColors(window::Form& form, SettingsStore& store) {
  for (const SavedColorKey& saved : kKeys) {
    try {
      const auto color = parseStoredColor(store.read(kApplicationName, kSection, saved.key));
      if (color) form.setBackColor(saved.element, *color);
    } catch (const std::exception&) {
      // Each key is restored on its own; a failing one is passed over.
    }
  }
}

void saveColors(const window::Form& form, SettingsStore& store) {
  for (const SavedColorKey& saved : kKeys) {
    store.write(kApplicationName, kSection, saved.key,
                std::to_string(form.backColor(saved.element)));
  }
}

std::string saveFailureMessage(const SettingsWriteError& error) {
  return std::string("The colours could not be saved: ") + error.what();
}

}  // namespace vorlix::colors
