#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes a release of Vorlix from the committed tree, HEAD: the source
# tarball vorlix-VERSION.tar.xz and its SHA-256 sum beside it, in OUTDIR
# (build/dist unless given). Then, as Autotools' "make distcheck" does,
# it checks that the tarball stands on its own: unpacked in an empty
# folder, with no git to reach, it configures, builds, passes every test
# that needs no display, installs into a staging folder, and the
# installed tree is checked. The source tree must come out as unpacked.
# --no-check makes the tarball and its sum only.
#   bash scripts/release.sh [--no-check] [OUTDIR]
set -euo pipefail
cd "$(dirname "$0")/.."

check=yes
if [ "${1:-}" = --no-check ]; then
  check=
  shift
fi
outdir="$(mkdir -p "${1:-build/dist}" && cd "${1:-build/dist}" && pwd)"

# The version is the one project() gives in the committed CMakeLists.txt.
version="$(git show HEAD:CMakeLists.txt | sed -n 's/^project(Vorlix VERSION \([0-9.]*\) .*/\1/p')"
[ -n "$version" ] || { echo "release: no version in project() of HEAD's CMakeLists.txt" >&2; exit 1; }
name="vorlix-$version"
tarball="$outdir/$name.tar.xz"

if ! git diff --quiet HEAD --; then
  echo "release: the changes not committed are not in the tarball; it is made of HEAD"
fi
# git archive leaves out what .gitattributes marks export-ignore (debian/)
# and dates every file at the commit, so the same commit gives the same
# bytes; xz on one thread keeps them so.
git archive --format=tar --prefix="$name/" HEAD | xz -9 -T1 >"$tarball"
(cd "$outdir" && sha256sum "$name.tar.xz" >"$name.tar.xz.sha256")
echo "release: $tarball"
echo "release: $(cat "$outdir/$name.tar.xz.sha256")"
[ -n "$check" ] || exit 0

log="$outdir/$name.distcheck.log"
work="$(mktemp -d)"
src="$work/$name"
build="$work/build"
stage="$work/stage"
echo "release: checking the tarball in $work; the log is $log"

# Every step's output goes to the log; a failed step shows its end and
# keeps the folder to look into.
step() {  # step DESCRIPTION COMMAND...
  local description="$1"
  shift
  echo "== $description" >>"$log"
  if ! "$@" >>"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "release: FAILED to $description; the unpacked tree and the build are in $work" >&2
    exit 1
  fi
}

# No git: any call fails loudly, and git would not look above the folder.
mkdir "$work/no-git" "$work/home"
printf '#!/bin/sh\necho "the build called git $*, which a tarball has not" >&2\nexit 1\n' >"$work/no-git/git"
chmod +x "$work/no-git/git"
chmod 700 "$work/home"
export PATH="$work/no-git:$PATH" GIT_CEILING_DIRECTORIES="$work"

# Tests run as in a package build: no display, a home of their own.
tests() {
  env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_CONFIG_HOME -u XDG_RUNTIME_DIR HOME="$work/home" \
    ctest --test-dir "$build" --output-on-failure --no-tests=error -j"$(nproc)" --label-exclude '^e2e$'
}
# The unpacked tree holds exactly the tarball's files, unchanged: nothing
# was written into the sources.
sources_as_unpacked() {
  mkdir "$work/again"
  tar -xJf "$tarball" -C "$work/again"
  diff -r --no-dereference "$work/again/$name" "$src"
}

: >"$log"
step "unpack $name.tar.xz" tar -xJf "$tarball" -C "$work"
step "find no .git in it" test ! -e "$src/.git"
step "configure" cmake -S "$src" -B "$build" -DCMAKE_BUILD_TYPE=Release
step "build" cmake --build "$build" -j"$(nproc)"
step "run the tests that need no display" tests
step "install into a staging folder" env DESTDIR="$stage" cmake --install "$build" --prefix /usr
step "check the installed tree" bash "$src/tests/packaging/check_install_tree.sh" --root "$stage" "$build"
step "find the sources as unpacked" sources_as_unpacked

grep -E '^[0-9]+% tests passed|^install tree checks passed' "$log" | sed 's/^/release: /'
rm -rf "$work"
echo "release: $name.tar.xz builds, tests and installs on its own"
echo "release: to publish it, tag HEAD v$version (the metadata's screenshot is read at that tag)" \
  "and put $name.tar.xz and $name.tar.xz.sha256 on https://vorlix.org/releases/"
