// SPDX-License-Identifier: GPL-3.0-or-later
#include "colors/recolouring.h"

#include "colors/palette.h"
#include "window/descriptions.h"

namespace vorlix::colors {

void Recolouring::recolour(window::Control element) {
  const auto group = colourGroupOf(element);
  if (!group) return;
  std::uint8_t& entry = lastEntry_[static_cast<std::size_t>(*group)];
  entry = static_cast<std::uint8_t>((entry + 1) % kPalette.size());
  window_.setBackground(element, kPalette[entry]);
  if (announce_) {
    announce_(window::phrase(window::Phrase::Recoloured,
                             {window::colouredElementName(window_, element, language_),
                              language_.text(kColourNames[entry])},
                             language_));
  }
}

}  // namespace vorlix::colors
