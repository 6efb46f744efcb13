#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of Vorlix from this checkout, checks it with
# lintian and prints the path of the .deb. Like any dpkg-buildpackage run
# it writes the .deb, .buildinfo and .changes to the folder above the
# checkout. Installs what the build needs first, through sudo when not
# root. DEB_BUILD_OPTIONS and DEB_BUILD_PROFILES are honoured (for
# example DEB_BUILD_OPTIONS=nocheck DEB_BUILD_PROFILES=nocheck skips the
# tests and their build dependencies).
set -euo pipefail
cd "$(dirname "$0")/.."

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
apt_get() { "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -y -qq "$@"; }

# What builds and checks any package, then this one's Build-Depends, which
# apt-get build-dep reads from debian/control itself (with the active build
# profiles) and fetches from the Debian archive like any package.
tools=(build-essential dpkg-dev debhelper lintian)
profiles="${DEB_BUILD_PROFILES:-}"
have_everything() {
  local tool
  for tool in "${tools[@]}"; do
    dpkg-query -W -f='${Status}' "$tool" 2>/dev/null | grep -q 'install ok installed' || return 1
  done
  dpkg-checkbuilddeps ${profiles:+-P "${profiles// /,}"} 2>/dev/null
}
if have_everything; then
  echo "package: the build dependencies are installed"
else
  echo "package: installing the build dependencies"
  apt_get update
  apt_get install --no-install-recommends "${tools[@]}"
  apt_get build-dep --no-install-recommends ${profiles:+-P "${profiles// /,}"} ./
fi

jobs=()
case " ${DEB_BUILD_OPTIONS:-} " in
  *" parallel="*) ;;
  *) jobs=(-Jauto) ;;
esac
dpkg-buildpackage -us -uc -b "${jobs[@]}"

version="$(dpkg-parsechangelog -S Version)"
arch="$(dpkg-architecture -qDEB_HOST_ARCH)"
changes="../vorlix_${version}_${arch}.changes"
deb="$(readlink -f "../vorlix_${version}_${arch}.deb")"

echo "package: lintian"
lintian --fail-on error --info "$changes"

echo "package: built $deb"
echo "install it with: sudo apt install $deb"
