// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt_colours.h"

#include <algorithm>
#include <array>

namespace vorlix::platform {
namespace {

using window::SystemRole;

struct RoleMapping {
  SystemRole role;
  QPalette::ColorRole themeRole;
};

// The nearest palette role for each system colour role.
constexpr std::array kRoles{
    RoleMapping{SystemRole::ScrollBar, QPalette::Button},
    RoleMapping{SystemRole::Desktop, QPalette::Dark},
    RoleMapping{SystemRole::ActiveTitle, QPalette::Highlight},
    RoleMapping{SystemRole::InactiveTitle, QPalette::Mid},
    RoleMapping{SystemRole::MenuBar, QPalette::Window},
    RoleMapping{SystemRole::WindowBackground, QPalette::Base},
    RoleMapping{SystemRole::WindowFrame, QPalette::Shadow},
    RoleMapping{SystemRole::MenuText, QPalette::WindowText},
    RoleMapping{SystemRole::WindowText, QPalette::Text},
    RoleMapping{SystemRole::TitleBarText, QPalette::HighlightedText},
    RoleMapping{SystemRole::ActiveBorder, QPalette::Window},
    RoleMapping{SystemRole::InactiveBorder, QPalette::Window},
    RoleMapping{SystemRole::ApplicationWorkspace, QPalette::Mid},
    RoleMapping{SystemRole::Highlight, QPalette::Highlight},
    RoleMapping{SystemRole::HighlightText, QPalette::HighlightedText},
    RoleMapping{SystemRole::ButtonFace, QPalette::Button},
    RoleMapping{SystemRole::ButtonShadow, QPalette::Dark},
    RoleMapping{SystemRole::GrayText, QPalette::PlaceholderText},
    RoleMapping{SystemRole::ButtonText, QPalette::ButtonText},
    RoleMapping{SystemRole::InactiveTitleText, QPalette::WindowText},
    RoleMapping{SystemRole::ButtonHighlight, QPalette::Light},
    RoleMapping{SystemRole::ButtonDarkShadow, QPalette::Shadow},
    RoleMapping{SystemRole::ButtonLight, QPalette::Midlight},
    RoleMapping{SystemRole::InfoText, QPalette::ToolTipText},
    RoleMapping{SystemRole::InfoBackground, QPalette::ToolTipBase},
};

}  // namespace

namespace {

window::Rgb channels(const QColor& colour) {
  return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
          static_cast<std::uint8_t>(colour.blue())};
}

QColor fromChannels(window::Rgb colour) { return {colour.red, colour.green, colour.blue}; }

}  // namespace

QColor readableTextColour(const QColor& text, const QColor& background) {
  return fromChannels(window::readableTextColour(channels(text), channels(background)));
}

QColor focusRingColour(const QColor& control, const QColor& surround) {
  return fromChannels(window::focusRingColour(channels(control), channels(surround)));
}

QColor toQColor(window::Colour colour, const QPalette& theme) {
  if (const auto channels = window::rgbOf(colour)) {
    return {channels->red, channels->green, channels->blue};
  }
  if (const auto role = window::systemRoleOf(colour)) {
    const auto mapping = std::find_if(kRoles.begin(), kRoles.end(),
                                      [&](const RoleMapping& m) { return m.role == *role; });
    if (mapping != kRoles.end()) return theme.color(QPalette::Active, mapping->themeRole);
  }
  return {};
}

}  // namespace vorlix::platform
