#pragma once

#include "colors/palette.h"
#include "colors/recolouring.h"
#include "colors/settings_store.h"
#include "window/form.h"

namespace vorlix::colors {

// The window's colour handlers: loading fills the palette and restores the
// saved colours, right-clicks recolour, unloading saves.
class Form1Colors {
 public:
  Form1Colors(window::Form& form, SettingsStore& store) : form_(form), store_(store) {}

  void Form_Load();
  // Lets a SettingsWriteError through: saving has no handler of its own.
  void Form_Unload();
  void mouseUp(window::ControlRef element, std::int16_t button) {
    recolouring_.mouseUp(element, button);
  }

 private:
  window::Form& form_;
  SettingsStore& store_;
  Palette Colors_{};
  Recolouring recolouring_{form_, Colors_};
};

}  // namespace vorlix::colors
