// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

#include "window/control.h"

namespace vorlix::testing {

// The names scripts give the window's elements: Form1, Text1(0) … Text1(5),
// Text2(0) … Text2(2), Label1, Label2, cmdOp(0) … cmdOp(3), Command1(0),
// Command1(1), lblCopyright, Shape1, Line1(0), Line1(1), Line1(6).
std::optional<window::Control> controlNamed(std::string_view name);
std::string_view scriptName(window::Control control);

}  // namespace vorlix::testing
