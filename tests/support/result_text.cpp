// SPDX-License-Identifier: GPL-3.0-or-later
#include "result_text.h"

#include <array>

namespace vorlix::testing {

std::string quoted(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

std::string describe(const calc::ResultDisplay& boxes) {
  const std::array shown{&boxes.whole, &boxes.numerator, &boxes.denominator};
  std::string text = "result";
  for (const calc::BoxContent* box : shown) text += " " + quoted(box->text);
  std::string visible;
  for (std::size_t i = 0; i < shown.size(); ++i) {
    if (shown[i]->visible) visible += " " + std::to_string(i);
  }
  return text + " visible" + (visible.empty() ? " none" : visible);
}

std::string describe(const calc::Outcome& outcome) {
  if (outcome.message) return "message " + quoted(*outcome.message);
  if (outcome.result) return describe(*outcome.result);
  return "nothing";
}

}  // namespace vorlix::testing
