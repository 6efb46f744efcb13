#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building, testing and running Vorlix
# need, skipping those already there. Uses sudo when not run as root.
set -euo pipefail

packages=(
  cmake ninja-build g++
  libgtest-dev
  qt6-base-dev libx11-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  clang libclang-rt-14-dev clang-format clang-tidy
  xvfb xdotool x11-utils openbox imagemagick x11-session-utils x11-xserver-utils
  weston qt6-wayland
  at-spi2-core python3-pyatspi dbus-daemon qt6-gtk-platformtheme python3-xlib orca
  fonts-dejavu-core fonts-dejavu-extra fonts-noto-cjk
  librsvg2-bin desktop-file-utils appstream file groff-base man-db
  strace
)

missing=()
for package in "${packages[@]}"; do
  if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    continue
  fi
  missing+=("$package")
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all ${#packages[@]} packages are installed"
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
