#include "window/control_ref.h"

#include <array>
#include <charconv>

namespace vorlix::window {
namespace {

struct NameEntry {
  ControlName name;
  std::string_view text;
  bool array;
};

constexpr std::array kNames{
    NameEntry{ControlName::Form1, "Form1", false},
    NameEntry{ControlName::Text1, "Text1", true},
    NameEntry{ControlName::Text2, "Text2", true},
    NameEntry{ControlName::Label1, "Label1", false},
    NameEntry{ControlName::Label2, "Label2", false},
    NameEntry{ControlName::lblCopyright, "lblCopyright", false},
    NameEntry{ControlName::cmdOp, "cmdOp", true},
    NameEntry{ControlName::Command1, "Command1", true},
    NameEntry{ControlName::Shape1, "Shape1", false},
    NameEntry{ControlName::Line1, "Line1", true},
};

const NameEntry& entryFor(ControlName name) { return kNames.at(static_cast<std::size_t>(name)); }

std::optional<std::int16_t> parseIndex(std::string_view digits) {
  std::int16_t value = 0;
  const auto* end = digits.data() + digits.size();
  const auto [ptr, ec] = std::from_chars(digits.data(), end, value);
  if (ec != std::errc{} || ptr != end || digits.empty()) return std::nullopt;
  return value;
}

}  // namespace

bool isArray(ControlName name) { return entryFor(name).array; }
std::string_view nameText(ControlName name) { return entryFor(name).text; }

std::string toString(ControlRef ref) {
  std::string text(nameText(ref.name));
  if (isArray(ref.name)) {
    text += '(';
    text += std::to_string(ref.index);
    text += ')';
  }
  return text;
}

std::optional<ControlRef> parseControlRef(std::string_view text) {
  const auto open = text.find('(');
  const std::string_view base = text.substr(0, open);
  for (const NameEntry& entry : kNames) {
    if (entry.text != base) continue;
    if (!entry.array) {
      return open == std::string_view::npos ? std::optional{single(entry.name)} : std::nullopt;
    }
    if (open == std::string_view::npos || text.back() != ')') return std::nullopt;
    const auto index = parseIndex(text.substr(open + 1, text.size() - open - 2));
    if (!index) return std::nullopt;
    return member(entry.name, *index);
  }
  return std::nullopt;
}

}  // namespace vorlix::window
