#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real vorlix binary on an Xvfb screen, driven by real X input: size,
# typing, the Enter chain into a calculation, and the colours on screen.
set -euo pipefail
binary="$1"
source "$(dirname "$0")/x11_session.sh"

start_screen
start_vorlix "$binary"

size="$(client_size)"
[ "$size" = "412x208" ] || fail "client area is $size"
echo "ok: client area 412x208"

# The desktop ties the window to its menu entry by the window's class.
entry="$(ls "$(dirname "$0")"/../../data/*.desktop)"
class="$(xprop -id "$WINDOW" WM_CLASS | sed -n 's/.*= "[^"]*", "\([^"]*\)"$/\1/p')"
[ "$class" = "$(sed -n 's/^StartupWMClass=//p' "$entry")" ] || fail "window class \"$class\""
xprop -id "$WINDOW" _NET_WM_ICON | grep -q 'Icon (16 x 16)' || fail "the window sends no icon"
echo "ok: window class $class matches $(basename "$entry"), and the window has its icon"

# Pixel positions from the layout: twips / 15.
declare -A at=(
  [Text1_0]="130 49" [Text1_1]="130 81" [Text1_2]="234 49" [Text1_3]="234 81"
[Text2_0_right]="335 65" [Text2_1_right]="390 49"
  [Text2_2_right]="390 81" [Text1_0_right]="144 49" [New]="80 140" [Calculate]="370 140"
  [Window]="5 5"
)

calculate_by_typing() {  # NUM1 DEN1 NUM2 DEN2
  click ${at[Text1_0]}
  type_text "$1"; key Return
  type_text "$2"; key Return
  type_text "$3"; key Return
  type_text "$4"; key Return
}

calculate_by_typing 1 2 1 2
screenshot
expect_pixel ${at[Text2_0_right]} "128,255,255" "1/2 + 1/2 shows the whole part"
expect_pixel ${at[Text2_1_right]} "255,0,0" "1/2 + 1/2 hides the numerator"
expect_pixel ${at[Text2_2_right]} "255,0,0" "1/2 + 1/2 hides the denominator"

key alt+n
calculate_by_typing 3 4 3 4
screenshot
expect_pixel ${at[Text2_0_right]} "128,255,255" "3/4 + 3/4 shows the whole part"
expect_pixel ${at[Text2_1_right]} "128,255,255" "3/4 + 3/4 shows the numerator"
expect_pixel ${at[Text2_2_right]} "128,255,255" "3/4 + 3/4 shows the denominator"

expect_pixel ${at[Window]} "255,0,0" "the window is red"
expect_pixel ${at[Text1_0_right]} "255,255,0" "entry boxes are yellow"
expect_pixel 100 65 "255,255,0" "whole-part boxes are yellow"
expect_pixel ${at[New]} "255,128,0" "New is orange"
expect_pixel ${at[Calculate]} "255,0,255" "Calculate is magenta"

echo "calculator end-to-end: passed"
