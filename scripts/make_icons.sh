#!/usr/bin/env bash
# Draws the resident's icons into resources/resident/icons/ with ImageMagick:
# the program icon (107/108), the default tray icon and its pressed look
# (131/132) and the day-of-month faces (1001 to 1031); and the setup
# assistant's program icon (108) and its step-done mark (168) into
# resources/setup/icons/. Every face is drawn
# pixel by pixel at 16 x 16, where the tray shows it, and doubled for 32 x 32.
# The .ico files are committed; run this again only to change them.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out="$top/resources/resident/icons"
setup_out="$top/resources/setup/icons"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out" "$setup_out"

# Digits 5 wide and 7 high, strokes two pixels thick: legible in the tray.
digits=(
  ".###. ##.## ##.## ##.## ##.## ##.## .###."
  "..##. .###. ..##. ..##. ..##. ..##. .####"
  ".###. ##.## ...## ..##. .##.. ##... #####"
  "####. ...## ...## .###. ...## ...## ####."
  "...## ..### .#.## #..## ##### ...## ...##"
  "##### ##... ####. ...## ...## ##.## .###."
  ".###. ##... ##... ####. ##.## ##.## .###."
  "##### ...## ..##. ..##. .##.. .##.. .##.."
  ".###. ##.## ##.## .###. ##.## ##.## .###."
  ".###. ##.## ##.## .#### ...## ...## .###."
)

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

# A 16 x 16 picture from draw primitives, then the icon with the 16 x 16
# image and the same doubled to 32 x 32, in the resident's folder unless a
# third argument names another.
make_icon() {
  local name=$1 draw=$2 folder=${3:-$out}
  convert -size 16x16 xc:none +antialias -draw "$draw" "PNG32:$work/$name-16.png"
  convert "$work/$name-16.png" -filter point -resize 32x32 "PNG32:$work/$name-32.png"
  convert "$work/$name-16.png" "$work/$name-32.png" "$folder/$name.ico"
}

calendar() {
  local day=$1 draw text=""
  # Page with a grey edge, a red band with two binder rings.
  draw="fill #5a5a5a rectangle 0,1 15,15 fill #ffffff rectangle 1,2 14,14 "
  draw+="fill #d83b3b rectangle 1,2 14,5 "
  draw+="fill #404040 rectangle 4,0 4,3 rectangle 11,0 11,3 "
  draw+="fill #1e1e1e "
  if [ "$day" -lt 10 ]; then
    text=$(pattern_points 6 7 "${digits[day]}")
  else
    text=$(pattern_points 2 7 "${digits[day / 10]}")$(pattern_points 8 7 "${digits[day % 10]}")
  fi
  make_icon "day$(printf %02d "$day")" "$draw$text"
}

# A menu card with three entries: a coloured square and a line each.
menu_card() {
  local dx=$1 dy=$2 line=$3
  printf 'fill #ffffff rectangle %d,%d %d,%d ' $((3 + dx)) $((2 + dy)) $((12 + dx)) $((13 + dy))
  local y colour colours=("#f08c00" "#2f9e44" "#d6336c") i=0
  for y in 4 7 10; do
    colour=${colours[i]}
    printf 'fill %s rectangle %d,%d %d,%d ' "$colour" $((5 + dx)) $((y + dy)) $((6 + dx)) $((y + 1 + dy))
    printf 'fill %s rectangle %d,%d %d,%d ' "$line" $((8 + dx)) $((y + dy)) $((10 + dx)) $((y + dy))
    i=$((i + 1))
  done
}

# Program icon: a blue tile holding a menu card.
make_icon program "fill #1a4480 roundrectangle 0,0 15,15 3,3 fill #2b6cb0 roundrectangle 1,1 14,14 2,2 $(menu_card 0 0 '#5a5a5a')"

# Default tray icon, raised: light top and left edges, dark bottom and right.
raised="fill #2f8f83 rectangle 0,0 15,15 "
raised+="fill #8fd6cc rectangle 0,0 15,0 rectangle 0,0 0,15 "
raised+="fill #14463f rectangle 0,15 15,15 rectangle 15,0 15,15 "
make_icon tray_normal "$raised$(menu_card 0 0 '#5a5a5a')"

# Pressed: darker, the edges swapped, the card pushed one pixel down and right.
sunken="fill #1f6159 rectangle 0,0 15,15 "
sunken+="fill #0c2c28 rectangle 0,0 15,1 rectangle 0,0 1,15 "
sunken+="fill #5fb3a8 rectangle 0,15 15,15 rectangle 15,0 15,15 "
make_icon tray_pressed "$sunken$(menu_card 1 1 '#404040' | sed 's/#ffffff/#d8d8d8/')"

# The setup assistant: the program tile with a green badge holding a tick,
# for the installation made ready.
badge="fill #0b5d1e circle 12,12 12,8 fill #2f9e44 circle 12,12 12,9 "
badge+="fill #ffffff $(pattern_points 9 10 "....# ...## #.##. ###.. .#...")"
make_icon program "fill #1a4480 roundrectangle 0,0 15,15 3,3 fill #2b6cb0 roundrectangle 1,1 14,14 2,2 $(menu_card -1 0 '#5a5a5a')$badge" "$setup_out"

# The mark of a finished setup step: a white tick on a green disc.
tick="fill #2f7d32 circle 7,7 7,0 fill #43a047 circle 7,7 7,1 "
tick+="fill #ffffff $(pattern_points 3 4 "........## .......##. ......##.. ##..##... .####.... ..##.....")"
make_icon step_done "$tick" "$setup_out"

for day in $(seq 1 31); do
  calendar "$day"
done
echo "icons written to $out and $setup_out"
