// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "translatable.h"
#include "window/control.h"

namespace vorlix::window {

// The keys that give the elements that never take the focus their next
// colour, as a right-click does; the context-menu key and Shift+F10 do it
// for the focused control. Each language picks letters of its own words,
// none that a caption of the window underlines.
struct RecolouringKey {
  Control element{};
  Translatable key;  // as Qt writes a key sequence: "Alt+W"
};

inline constexpr std::array kRecolouringKeys{
    //: The key that gives the window's background its next colour: Alt and
    //: the first letter of "window", unless a caption underlines it.
    RecolouringKey{Control::Window, translatable("Keys", "Alt+W")},
    //: The key that gives the operator sign (+, -, x or /) its next colour:
    //: Alt and the first letter of "operator", unless a caption underlines it.
    RecolouringKey{Control::OperatorLabel, translatable("Keys", "Alt+O")},
    //: The key that gives the equals sign its next colour: Alt and the first
    //: letter of "equals", unless a caption underlines it.
    RecolouringKey{Control::EqualsLabel, translatable("Keys", "Alt+E")},
};

}  // namespace vorlix::window
