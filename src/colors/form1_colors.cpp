#include "colors/form1_colors.h"

#include "colors/saved_colors.h"

namespace vorlix::colors {

void Form1Colors::Form_Load() {
  SetColors(Colors_);
  restoreColors(form_, store_);
}

void Form1Colors::Form_Unload() { saveColors(form_, store_); }

}  // namespace vorlix::colors
