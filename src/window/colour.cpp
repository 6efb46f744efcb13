// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/colour.h"

#include <algorithm>
#include <cmath>

namespace vorlix::window {
namespace {

constexpr std::uint32_t kSystemFlag = 0x80000000U;
constexpr std::uint32_t kLastRole = static_cast<std::uint32_t>(SystemRole::InfoBackground);

std::uint32_t bits(Colour colour) { return static_cast<std::uint32_t>(colour); }

}  // namespace

std::optional<SystemRole> systemRoleOf(Colour colour) {
  const std::uint32_t role = bits(colour) & ~kSystemFlag;
  if ((bits(colour) & kSystemFlag) == 0 || role > kLastRole) return std::nullopt;
  return static_cast<SystemRole>(role);
}

std::optional<Rgb> rgbOf(Colour colour) {
  if ((bits(colour) & 0xFF000000U) != 0) return std::nullopt;
  return Rgb{static_cast<std::uint8_t>(bits(colour) & 0xFFU),
             static_cast<std::uint8_t>((bits(colour) >> 8) & 0xFFU),
             static_cast<std::uint8_t>((bits(colour) >> 16) & 0xFFU)};
}

bool isValidColour(Colour colour) { return rgbOf(colour) || systemRoleOf(colour); }

namespace {

double linear(std::uint8_t channel) {
  const double value = channel / 255.0;
  return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double luminance(Rgb colour) {
  return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) + 0.0722 * linear(colour.blue);
}

}  // namespace

double contrastRatio(Rgb first, Rgb second) {
  // Values, not std::minmax of two temporaries: that pair holds references
  // to them, gone by the next line.
  const double a = luminance(first);
  const double b = luminance(second);
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

Rgb blackOrWhite(Rgb background) {
  return contrastRatio(kBlack, background) >= contrastRatio(kWhite, background) ? kBlack : kWhite;
}

}  // namespace

Rgb readableTextColour(Rgb text, Rgb background) {
  constexpr double kReadable = 4.5;
  if (contrastRatio(text, background) >= kReadable) return text;
  return blackOrWhite(background);
}

Rgb focusRingColour(Rgb control, Rgb surround) {
  constexpr double kVisibleChange = 3.0;
  const bool bothChangeIt = contrastRatio(kBlack, surround) >= kVisibleChange &&
                            contrastRatio(kWhite, surround) >= kVisibleChange;
  return blackOrWhite(bothChangeIt ? control : surround);
}

}  // namespace vorlix::window
