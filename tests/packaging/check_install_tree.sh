#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# check_install_tree.sh [--root ROOT] BUILD_DIR [CHECK...]: installs the
# configured and built tree BUILD_DIR into a fresh staging folder, as a
# package build would, and runs the named checks on what lands there (all
# of them when none is named). With --root, ROOT already holds the install
# (DESTDIR=ROOT with the prefix /usr) and is checked as it is. The source
# folder and the project's version are read from BUILD_DIR's CMake cache.
set -euo pipefail

all_checks=(files icon_sizes desktop_valid desktop_refs metainfo_valid metainfo_refs languages
  man_page versions)
usage() {
  echo "usage: $0 [--root ROOT] BUILD_DIR [$(IFS='|'; echo "${all_checks[*]}")]..." >&2
  exit 2
}
root=
if [ "${1:-}" = --root ]; then
  [ $# -ge 2 ] || usage
  root="$(cd "$2" && pwd)"
  shift 2
fi
[ $# -ge 1 ] || usage
build="$1"
shift
checks=("$@")
[ ${#checks[@]} -gt 0 ] || checks=("${all_checks[@]}")

cache="$build/CMakeCache.txt"
[ -f "$cache" ] || { echo "FAIL: $build is not a configured build folder" >&2; exit 1; }
cache_value() { sed -n "s/^$1:[A-Z]*=//p" "$cache"; }
source_dir="$(cache_value CMAKE_HOME_DIRECTORY)"
version="$(cache_value CMAKE_PROJECT_VERSION)"

app_id=org.vorlix.vorlix
desktop=usr/share/applications/$app_id.desktop
metainfo=usr/share/metainfo/$app_id.metainfo.xml
man_page=usr/share/man/man1/vorlix.1
icon_sizes=(16 24 32 48 64 128 256)

failures=0
fail() {
  echo "FAIL ($check): $*" >&2
  failures=$((failures + 1))
}

if [ -z "$root" ]; then
  stage="$(mktemp -d)"
  trap 'rm -rf "$stage"' EXIT
  if ! env -u DESTDIR cmake --install "$build" --prefix "$stage/root/usr" >"$stage/install.log" 2>&1; then
    cat "$stage/install.log" >&2
    echo "FAIL: cmake --install $build did not finish" >&2
    exit 1
  fi
  root="$stage/root"
fi
cd "$root"

# The value of KEY in the [Desktop Entry] group of the staged entry.
desktop_value() {
  sed -n '/^\[Desktop Entry\]/,/^\[/{s/^'"$1"'=//p}' "$desktop"
}

check_files() {
  # Exactly these files: a test tool or benchmark that starts installing
  # itself would end up in the package.
  local expected
  expected="$(
    printf '%s\n' usr/bin/vorlix "$desktop" "$metainfo" "$man_page" \
      "usr/share/icons/hicolor/scalable/apps/$app_id.svg"
    for size in "${icon_sizes[@]}"; do
      echo "usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    done
  )"
  local actual
  actual="$(find . -type f -o -type l | sed 's|^\./||' | sort)"
  local diff_out
  if ! diff_out="$(diff <(sort <<<"$expected") <(printf '%s\n' "$actual"))"; then
    fail "the staged files differ from the expected ones (< missing, > extra):"$'\n'"$diff_out"
  fi
  [ -x usr/bin/vorlix ] || fail "usr/bin/vorlix is not executable"
  local f
  while read -r f; do
    [ -s "$f" ] || fail "$f is empty"
  done <<<"$actual"
}

check_icon_sizes() {
  local size png kind
  for size in "${icon_sizes[@]}"; do
    png="usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    [ -f "$png" ] || { fail "$png is missing"; continue; }
    kind="$(file -b "$png")"
    case "$kind" in
      "PNG image data, $size x $size,"*) ;;
      *) fail "$png is not a ${size}x$size PNG: $kind" ;;
    esac
  done
  kind="$(file -b "usr/share/icons/hicolor/scalable/apps/$app_id.svg" 2>&1)"
  case "$kind" in
    "SVG Scalable Vector Graphics image"*) ;;
    *) fail "the scalable icon is not an SVG: $kind" ;;
  esac
}

check_desktop_valid() {
  local out
  out="$(desktop-file-validate "$desktop" 2>&1)" || fail "desktop-file-validate failed"
  [ -z "$out" ] || fail "desktop-file-validate says:"$'\n'"$out"
}

check_desktop_refs() {
  # The launcher must start the installed program and show the installed
  # icon; the window must be matched to the entry by its class.
  local exec icon
  exec="$(desktop_value Exec)"
  exec="${exec%% *}"
  [ -x "usr/bin/$exec" ] || fail "Exec=$exec names no program in usr/bin"
  icon="$(desktop_value Icon)"
  [ -f "usr/share/icons/hicolor/scalable/apps/$icon.svg" ] ||
    fail "Icon=$icon names no icon in the hicolor theme"
  [ "$(desktop_value StartupWMClass)" = Vorlix ] ||
    fail "StartupWMClass is '$(desktop_value StartupWMClass)', not the window's class Vorlix"
  # The window ends the launcher's busy cursor (tests/e2e/startup_notification).
  [ "$(desktop_value StartupNotify)" = true ] || fail "StartupNotify is not true"
}

check_metainfo_valid() {
  local out status=0 hints
  out="$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1)" || status=$?
  [ "$status" -eq 0 ] || fail "appstreamcli validate exited with $status:"$'\n'"$out"
  hints="$(grep -E '^[EWIP]: ' <<<"$out" || true)"
  # <developer id=...> came with AppStream 1.0; an older validator, such as
  # Debian 12's 0.16, calls it unknown and is otherwise heard out.
  if [[ "$(appstreamcli --version)" == *"version: 0."* ]]; then
    hints="$(grep -v ': unknown-tag developer$' <<<"$hints" || true)"
  fi
  [ -z "$hints" ] || fail "appstreamcli validate --pedantic says:"$'\n'"$out"
}

check_metainfo_refs() {
  local launchable binary
  launchable="$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$metainfo")"
  [ -f "usr/share/applications/$launchable" ] ||
    fail "the launchable '$launchable' is not an installed desktop entry"
  binary="$(sed -n 's|.*<binary>\(.*\)</binary>.*|\1|p' "$metainfo")"
  [ -n "$binary" ] && [ -x "usr/bin/$binary" ] ||
    fail "the provided binary '$binary' is not installed in usr/bin"
  grep -q "<id>$app_id</id>" "$metainfo" || fail "the component id is not $app_id"
  # Software centres fetch docs/screenshot.png (scripts/screenshot.sh makes
  # it) as this version's tag holds it: 620 pixels wide at least, at the
  # size stated, with a caption.
  local size url="https://codeberg.org/vorlix/vorlix/raw/tag/v$version/docs/screenshot.png"
  size="$(sed -n 's|.*<image type="source" width="\([0-9]*\)" height="\([0-9]*\)">'"$url"'<.*|\1 x \2|p' "$metainfo")"
  [[ "${size%% *}" -ge 620 && "$(file -b "$source_dir/docs/screenshot.png")" == "PNG image data, $size,"* ]] ||
    fail "the metadata says the screenshot is '$size': $(file -b "$source_dir/docs/screenshot.png")"
  grep -q '<caption>[^<]' "$metainfo" || fail "the screenshot has no caption"
}

check_languages() {
  # Each language of translations/ is built into the installed program, has
  # its own words for every text of the desktop entry and the metainfo that
  # another language translates, and software centres are told that the
  # program speaks it.
  local ts language key texts english said
  english="$(env -u DISPLAY -u WAYLAND_DISPLAY LANGUAGE= LC_ALL=C.UTF-8 usr/bin/vorlix --help | sed -n 2p)"
  for ts in "$source_dir"/translations/vorlix_*.ts; do
    language="$(basename "$ts" .ts)"
    language="${language#vorlix_}"
    said="$(env -u DISPLAY -u WAYLAND_DISPLAY LANGUAGE= LC_ALL="$language.UTF-8" usr/bin/vorlix --help |
      sed -n 2p)"
    [ -n "$said" ] && [ "$said" != "$english" ] ||
      fail "the installed program's --help is not in '$language': $said"
    for key in $(sed -n 's/^\([A-Za-z]*\)\[[^]]*\]=.*/\1/p' "$desktop" | sort -u); do
      grep -q "^$key\[$language\]=" "$desktop" || fail "the desktop entry has no $key[$language]"
    done
    texts="$(grep -cE '<(summary|p|li|caption)>' "$metainfo")"
    [ "$(grep -cE "<(summary|p|li|caption) xml:lang=\"$language\">" "$metainfo")" = "$texts" ] ||
      fail "the metainfo has not each of its $texts texts with xml:lang=\"$language\""
    grep -q "<lang percentage=\"100\">$language</lang>" "$metainfo" ||
      fail "the metainfo's <languages> does not list $language"
  done
}

check_man_page() {
  local out
  out="$(LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z "$man_page" 2>&1)" || fail "groff failed"
  [ -z "$out" ] || fail "groff warns:"$'\n'"$out"
  out="$(lexgrog "$man_page" 2>&1)" || fail "lexgrog finds no NAME line: $out"
}

check_versions() {
  # The installed files that name the version name the one in project().
  local release th
  release="$(sed -n 's|.*<release version="\([^"]*\)".*|\1|p' "$metainfo" | head -n 1)"
  [ "$release" = "$version" ] ||
    fail "the newest release in the metainfo is '$release', the project is $version"
  th="$(sed -n 's/^\.TH .*"Vorlix \([^"]*\)".*/\1/p' "$man_page")"
  [ "$th" = "$version" ] || fail "the man page says version '$th', the project is $version"
}

for check in "${checks[@]}"; do
  if ! declare -F "check_$check" >/dev/null; then
    echo "no such check: $check" >&2
    usage
  fi
  "check_$check"
done
if [ "$failures" -gt 0 ]; then
  exit 1
fi
echo "install tree checks passed: ${checks[*]}"
