#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian source and binary packages of Vorlix as Debian would:
# from the release tarball of the committed tree (scripts/release.sh),
# taken as vorlix_VERSION.orig.tar.xz, with the committed debian/ beside
# it. Checks them with lintian and prints the path of the .deb; the .dsc,
# .debian.tar.xz, .deb, .buildinfo and .changes are in build/debian/.
# Installs what the build needs and is missing first, through sudo when
# not root. DEB_BUILD_OPTIONS and DEB_BUILD_PROFILES are honoured (for
# example DEB_BUILD_OPTIONS=nocheck DEB_BUILD_PROFILES=nocheck skips the
# tests and their build dependencies).
set -euo pipefail
cd "$(dirname "$0")/.."

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
apt_get() { "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -y -qq "$@"; }

# What builds and checks any package, then what dpkg-checkbuilddeps finds
# missing of this one's Build-Depends (with the active build profiles).
# Only missing packages are installed; one already there is never upgraded
# for being named here (--no-upgrade). A missing package may still need a
# newer version of one that is installed; apt says which before it does so.
tools=(build-essential dpkg-dev debhelper lintian git xz-utils)
profiles="${DEB_BUILD_PROFILES:-}"
missing_tools() {
  local tool
  for tool in "${tools[@]}"; do
    dpkg-query -W -f='${Status}' "$tool" 2>/dev/null | grep -q 'install ok installed' || echo "$tool"
  done
}
# The unmet Build-Depends as package names: versions and all but the first
# of a set of alternatives left out.
missing_build_deps() {
  { dpkg-checkbuilddeps ${profiles:+-P "${profiles// /,}"} 2>&1 || true; } |
    sed -n 's/.*Unmet build dependencies: //p' |
    sed -e 's/ ([^)]*)//g' -e 's/ *| *[^ ]*//g' -e 's/:[a-z]*//g' | tr ' ' '\n' | grep -v '^$' || true
}
updated=
install_missing() {
  [ $# -gt 0 ] || return 0
  echo "package: installing $*"
  [ -n "$updated" ] || apt_get update
  updated=yes
  local upgrades
  upgrades="$(apt-get -s install --no-upgrade --no-install-recommends "$@" |
    sed -n 's/^Inst \([^ ]*\) \[.*/\1/p' | paste -s -d ' ')"
  [ -z "$upgrades" ] || echo "package: what they need upgrades $upgrades"
  apt_get install --no-upgrade --no-install-recommends "$@"
}
mapfile -t needed < <(missing_tools)
install_missing "${needed[@]}"
mapfile -t needed < <(missing_build_deps)
install_missing "${needed[@]}"
echo "package: the build dependencies are installed"

# The upstream tarball, unpacked, with debian/ as HEAD has it (archived as
# a tree of its own, so that the tarball's export-ignore does not apply).
bash scripts/release.sh --no-check
upstream="$(dpkg-parsechangelog -S Version | sed -E 's/^([0-9]+:)?(.*)-[^-]+$/\2/')"
out="$PWD/build/debian"
rm -rf "$out"
mkdir -p "$out"
[ -f "build/dist/vorlix-$upstream.tar.xz" ] || {
  echo "package: debian/changelog packages $upstream, which is not the version in project()" >&2
  exit 1
}
cp "build/dist/vorlix-$upstream.tar.xz" "$out/vorlix_$upstream.orig.tar.xz"
tar -xJf "$out/vorlix_$upstream.orig.tar.xz" -C "$out"
git archive --prefix=debian/ HEAD:debian | tar -x -C "$out/vorlix-$upstream"

jobs=()
case " ${DEB_BUILD_OPTIONS:-} " in
  *" parallel="*) ;;
  *) jobs=(-Jauto) ;;
esac
(cd "$out/vorlix-$upstream" && dpkg-buildpackage -us -uc "${jobs[@]}")

version="$(dpkg-parsechangelog -S Version)"
arch="$(dpkg-architecture -qDEB_HOST_ARCH)"
changes="$out/vorlix_${version#*:}_${arch}.changes"
deb="$out/vorlix_${version#*:}_${arch}.deb"

echo "package: lintian"
lintian --fail-on error --pedantic --display-info --info "$changes"

echo "package: built $deb"
echo "install it with: ${as_root[*]:+${as_root[*]} }apt install $deb"
