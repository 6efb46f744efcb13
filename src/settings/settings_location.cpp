// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_location.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace vorlix::settings {
namespace {

std::string homeFolder() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && std::string_view(home).starts_with('/')) return home;
  // Without HOME (a service, or `env -i`) the password database knows it.
  const passwd* entry = getpwuid(getuid());
  return entry != nullptr && entry->pw_dir != nullptr ? entry->pw_dir : "/";
}

std::filesystem::path configHome() {
  const char* configured = std::getenv("XDG_CONFIG_HOME");
  if (configured != nullptr && std::string_view(configured).starts_with('/')) return configured;
  return std::filesystem::path(homeFolder()) / ".config";
}

}  // namespace

std::string settingsFilePath(std::string_view organisation, std::string_view application) {
  std::filesystem::path file = configHome() / organisation / application;
  file += ".conf";
  return file.lexically_normal().string();
}

}  // namespace vorlix::settings
