// SPDX-License-Identifier: GPL-3.0-or-later
// vorlix-describe: prints what assistive technology should meet for every
// element that has a widget, one line each, from the layout and description
// tables: kind, name and description, separated by tabs. The AT-SPI test
// compares the running program's accessible tree with this.
#include <iostream>

#include "window/descriptions.h"
#include "window/layout.h"
#include "window/window_model.h"

namespace {

using vorlix::window::ControlKind;

const char* kindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::Window:
      return "Window";
    case ControlKind::TextBox:
      return "TextBox";
    case ControlKind::Label:
      return "Label";
    case ControlKind::CommandButton:
      return "CommandButton";
    case ControlKind::Rectangle:
      return "Rectangle";
    case ControlKind::Line:
      return "Line";
  }
  return "?";
}

}  // namespace

int main() {
  const vorlix::window::WindowModel fresh{vorlix::english()};
  for (const auto& layout : vorlix::window::windowLayout()) {
    if (layout.kind == ControlKind::Rectangle || layout.kind == ControlKind::Line) continue;
    std::cout << kindName(layout.kind) << '\t'
              << vorlix::window::spokenName(fresh, layout.control, vorlix::english()) << '\t'
              << vorlix::window::spokenDescription(fresh, layout.control, vorlix::english())
              << '\n';
  }
  return 0;
}
