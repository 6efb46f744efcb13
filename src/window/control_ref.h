#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vorlix::window {

// Every element of the window, by name. Arrays take an index; the others
// are single controls (the window itself included).
enum class ControlName : std::uint8_t {
  Form1,
  Text1,
  Text2,
  Label1,
  Label2,
  lblCopyright,
  cmdOp,
  Command1,
  Shape1,
  Line1,
};

bool isArray(ControlName name);
std::string_view nameText(ControlName name);

// A control, or a member of a control array with its signed 16-bit index.
// Whether the member exists is for the window to say: an index without an
// element raises NoSuchControl when used.
struct ControlRef {
  ControlName name = ControlName::Form1;
  std::int16_t index = 0;  // always 0 for a single control

  friend auto operator<=>(const ControlRef&, const ControlRef&) = default;
};

constexpr ControlRef single(ControlName name) { return {name, 0}; }
constexpr ControlRef member(ControlName name, std::int16_t index) { return {name, index}; }

// "Text1(3)", "Label1", "Form1".
std::string toString(ControlRef ref);
// The inverse of toString; nullopt for text that names no control form.
std::optional<ControlRef> parseControlRef(std::string_view text);

}  // namespace vorlix::window
