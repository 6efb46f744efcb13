#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real vorlix binary in a dark GTK theme on an Xvfb screen: the theme's
# near-white text must not be drawn on the light-cyan result boxes. A sum
# with a fraction is typed, and the most contrasting pixel of each result
# box is measured against the box's background (WCAG contrast, at least
# 4.5:1).
set -euo pipefail
binary="$1"
source "$(dirname "$0")/x11_session.sh"

export QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
start_screen
start_vorlix "$binary"

# wcag_contrast R,G,B R,G,B: the contrast ratio of two colours.
wcag_contrast() {
  awk -v a="$1" -v b="$2" '
    function channel(c) { c /= 255; return c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ^ 2.4 }
    function luminance(rgb, p) {
      split(rgb, p, ",")
      return 0.2126 * channel(p[1]) + 0.7152 * channel(p[2]) + 0.0722 * channel(p[3])
    }
    BEGIN {
      la = luminance(a); lb = luminance(b)
      if (la < lb) { t = la; la = lb; lb = t }
      printf "%.2f\n", (la + 0.05) / (lb + 0.05)
    }'
}

# at_least A B: whether the number A is at least B.
at_least() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a >= b) }'; }

# The theme is in force: the operator buttons take its dark button colour.
screenshot
add_face="$(pixel 20 28)"
! at_least "$(wcag_contrast "$add_face" 0,0,0)" 3 ||
  fail "the dark theme is not in force: the add button is $add_face"
echo "ok: dark theme in force (add button $add_face)"

click 130 49                      # the first numerator
type_text 1; key Return; type_text 3; key Return
type_text 1; key Return; type_text 3; key Return
screenshot

# Result box interiors (layout twips / 15, less the frame): X Y W H.
declare -A box=([numerator]="354 42 40 15" [denominator]="354 74 40 15")
background="128,255,255"
for part in numerator denominator; do
  read -r x y w h <<<"${box[$part]}"
  best="$(convert "$E2E_TMP/shot.png" -crop "${w}x${h}+${x}+${y}" -depth 8 txt:- |
    sed -n 's/^[0-9]*,[0-9]*: *(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p' | sort -u |
    while read -r colour; do echo "$(wcag_contrast "$colour" "$background") $colour"; done |
    sort -n | tail -n 1)"
  ratio="${best% *}"
  at_least "$ratio" 4.5 ||
    fail "result $part: text at best $best against $background, under 4.5:1"
  echo "ok: result $part text reaches $ratio:1 (${best#* })"
done
echo "dark theme end-to-end: passed"
