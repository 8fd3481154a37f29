#!/usr/bin/env bash
# Draws the setup assistant's program icon (108) into resources/setup/icons/
# with ImageMagick, in the style of the resident's icons: the blue tile with
# the menu card, and a green badge with a tick in the corner for the assistant. Drawn
# pixel by pixel at 16 x 16 and doubled for 32 x 32. The .ico file is
# committed; run this again only to change it.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out="$top/resources/setup/icons"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

# Points of a pattern (rows separated by spaces) at x0,y0 as draw primitives.
pattern_points() {
  local x0=$1 y0=$2 rows=$3 y=0 row x
  for row in $rows; do
    for ((x = 0; x < ${#row}; x++)); do
      [ "${row:x:1}" = "#" ] && printf 'point %d,%d ' $((x0 + x)) $((y0 + y))
    done
    y=$((y + 1))
  done
}

make_icon() {
  local name=$1 draw=$2
  convert -size 16x16 xc:none +antialias -draw "$draw" "PNG32:$work/$name-16.png"
  convert "$work/$name-16.png" -filter point -resize 32x32 "PNG32:$work/$name-32.png"
  convert "$work/$name-16.png" "$work/$name-32.png" "$out/$name.ico"
}

# The menu card of the resident's icon: three entries, a coloured square and a line each.
card="fill #ffffff rectangle 2,2 11,13 "
colours=("#f08c00" "#2f9e44" "#d6336c")
i=0
for y in 4 7 10; do
  card+="fill ${colours[i]} rectangle 4,$y 5,$((y + 1)) fill #5a5a5a rectangle 7,$y 9,$y "
  i=$((i + 1))
done

# A green badge with a white tick: the installation is made ready.
badge="fill #0b5d1e circle 12,12 12,8 fill #2f9e44 circle 12,12 12,9 "
badge+="fill #ffffff $(pattern_points 9 10 "....# ...## #.##. ###.. .#...")"

make_icon program "fill #1a4480 roundrectangle 0,0 15,15 3,3 fill #2b6cb0 roundrectangle 1,1 14,14 2,2 $card$badge"
echo "icon written to $out"
