#include "window/color.h"

namespace vorlix::window {
namespace {

constexpr std::uint32_t kSystemFlag = 0x80000000U;
constexpr std::uint32_t kLastRole = static_cast<std::uint32_t>(SystemRole::InfoBackground);

std::uint32_t bits(Color color) { return static_cast<std::uint32_t>(color); }

}  // namespace

std::optional<SystemRole> systemRoleOf(Color color) {
  const std::uint32_t role = bits(color) & ~kSystemFlag;
  if ((bits(color) & kSystemFlag) == 0 || role > kLastRole) return std::nullopt;
  return static_cast<SystemRole>(role);
}

std::optional<Rgb> rgbOf(Color color) {
  if ((bits(color) & 0xFF000000U) != 0) return std::nullopt;
  return Rgb{static_cast<std::uint8_t>(bits(color) & 0xFFU),
             static_cast<std::uint8_t>((bits(color) >> 8) & 0xFFU),
             static_cast<std::uint8_t>((bits(color) >> 16) & 0xFFU)};
}

bool isValidColor(Color color) { return rgbOf(color) || systemRoleOf(color); }

}  // namespace vorlix::window
