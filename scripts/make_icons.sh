#!/usr/bin/env bash
# Draws the resident's icons into resources/resident/icons/ with ImageMagick:
# the program icon (107/108), the default tray icon and its pressed look
# (131/132) and the day-of-month faces (1001 to 1031); and the setup
# assistant's program icon (108) and its step-done mark (168) into
# resources/setup/icons/; the editor's icons (128, 129, 133 is the tray
# icon, 3144, 5893), the drag cursors (5230, 5232) and its tool bar bitmap (128, 16 x 15 per button) into
# resources/editor/icons/. Every face is drawn
# pixel by pixel at 16 x 16, where the tray shows it, and doubled for 32 x 32.
# The .ico files are committed; run this again only to change them.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out="$top/resources/resident/icons"
setup_out="$top/resources/setup/icons"
editor_out="$top/resources/editor/icons"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out" "$setup_out" "$editor_out"

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

# The editor: the program tile with a yellow pencil across its card.
pencil="fill #f2c94c polygon 6,14 14,6 15,7 7,15 fill #c0392b polygon 14,6 15,5 16,6 15,7 "
pencil+="fill #404040 point 6,15 point 5,15 "
make_icon program "fill #1a4480 roundrectangle 0,0 15,15 3,3 fill #2b6cb0 roundrectangle 1,1 14,14 2,2 $(menu_card -1 -1 '#5a5a5a')$pencil" "$editor_out"
# A section window: a small window frame holding the menu card.
make_icon section "fill #5a5a5a rectangle 0,1 15,14 fill #2b6cb0 rectangle 1,2 14,4 fill #f0f0f0 rectangle 1,5 14,13 $(menu_card 0 1 '#5a5a5a' | sed 's/#ffffff/#f0f0f0/')" "$editor_out"
# The template window: four shell objects in a grid.
grid="fill #f2c94c rectangle 1,2 6,6 fill #2f9e44 rectangle 9,2 14,6 "
grid+="fill #2b6cb0 rectangle 1,9 6,13 fill #d6336c rectangle 9,9 14,13 "
make_icon templates "fill #5a5a5a rectangle 0,1 15,14 fill #ffffff rectangle 1,2 14,13 $grid" "$editor_out"
# The system folders: a yellow folder with a grey cog.
folder="fill #b7950b rectangle 0,3 6,5 fill #f2c94c rectangle 0,5 15,14 "
cog="fill #5a5a5a circle 10,10 10,6 fill #f2c94c circle 10,10 10,8 "
make_icon system_folders "$folder$cog" "$editor_out"

# The cursors of a drag from the services browser (5230 no drop, 5232 drop):
# a black arrow with a white edge, its tip the hot spot at 0,0, and beside it
# a red sign or a small green menu card. Drawn at 32 x 32, the cursor size.
make_cursor() {
  local name=$1 mark=$2
  local arrow="fill #ffffff polygon 0,0 0,17 4,13 7,20 10,19 7,12 12,12 "
  arrow+="fill #000000 polygon 1,2 1,14 4,11 7,18 8,17 5,11 9,11 "
  convert -size 32x32 xc:none +antialias -draw "$arrow$mark" "PNG32:$work/$name.png"
  convert "$work/$name.png" "ICO:$editor_out/$name.cur"
  # ImageMagick writes an icon: type 2 makes it a cursor, whose directory
  # entry holds the hot spot (0,0) where the icon has planes and bit count.
  printf '\x02' | dd of="$editor_out/$name.cur" bs=1 seek=2 conv=notrunc status=none
  printf '\x00\x00\x00\x00' | dd of="$editor_out/$name.cur" bs=1 seek=10 conv=notrunc status=none
}
make_cursor no_drop "stroke #d01010 stroke-width 2 fill none circle 22,22 22,16 line 18,18 26,26"
make_cursor drop "fill #5a5a5a rectangle 15,15 28,29 fill #ffffff rectangle 16,16 27,28 fill #2f9e44 rectangle 18,19 25,20 rectangle 18,23 25,24"

# The tool bar: eighteen 16 x 15 images on light grey, which the tool bar
# turns into the button face, in the order of the button table.
button_images=(
  # parent node: an arrow up and left of a line
  "fill #2b6cb0 polygon 4,1 8,5 5,5 5,10 13,10 13,13 2,13 2,5 0,5"
  # save all: two disks
  "fill #1a4480 rectangle 4,0 15,10 fill #ffffff rectangle 6,1 13,4 fill #1a4480 rectangle 0,4 11,14 fill #ffffff rectangle 2,5 9,8 fill #8f8f8f rectangle 3,11 8,14"
  # new command entry: a page with a green line
  "fill #5a5a5a rectangle 2,0 13,14 fill #ffffff rectangle 3,1 12,13 fill #2f9e44 rectangle 5,6 10,8"
  # new title: a page with a coloured band
  "fill #5a5a5a rectangle 2,0 13,14 fill #ffffff rectangle 3,1 12,13 fill #d6336c rectangle 3,3 12,6"
  # new separator: a page with a line across
  "fill #5a5a5a rectangle 2,0 13,14 fill #ffffff rectangle 3,1 12,13 fill #404040 rectangle 3,7 12,7"
  # new group: a folder
  "fill #b7950b rectangle 1,2 7,4 fill #f2c94c rectangle 1,4 14,13"
  # move up
  "fill #2b6cb0 polygon 8,1 14,7 10,7 10,13 6,13 6,7 2,7"
  # move down
  "fill #2b6cb0 polygon 8,13 14,7 10,7 10,1 6,1 6,7 2,7"
  # one level down: an arrow into the right
  "fill #404040 rectangle 1,1 2,13 fill #2f9e44 polygon 14,7 9,2 9,5 4,5 4,9 9,9 9,12"
  # one level up: an arrow out to the left
  "fill #404040 rectangle 13,1 14,13 fill #2f9e44 polygon 1,7 6,2 6,5 11,5 11,9 6,9 6,12"
  # copy: two pages
  "fill #5a5a5a rectangle 0,0 9,10 fill #ffffff rectangle 1,1 8,9 fill #5a5a5a rectangle 6,4 15,14 fill #ffffff rectangle 7,5 14,13"
  # paste: a clipboard with a page
  "fill #8b5a2b rectangle 1,2 11,14 fill #404040 rectangle 4,0 8,3 fill #5a5a5a rectangle 6,6 15,14 fill #ffffff rectangle 7,7 14,13"
  # delete: a red cross
  "stroke #c0392b stroke-width 3 line 3,2 12,12 line 12,2 3,12"
  # undo: an arrow turning back to the left
  "fill none stroke #2b6cb0 stroke-width 2 arc 3,3 14,13 270,90 fill #2b6cb0 stroke none polygon 1,3 7,0 7,6"
  # redo: an arrow turning on to the right
  "fill none stroke #2b6cb0 stroke-width 2 arc 1,3 12,13 90,270 fill #2b6cb0 stroke none polygon 14,3 8,0 8,6"
  # test the left menu: a mouse with its left button dark
  "fill #5a5a5a roundrectangle 3,1 12,14 4,4 fill #ffffff roundrectangle 4,2 11,13 3,3 fill #d6336c rectangle 4,2 7,6 fill #5a5a5a rectangle 8,2 8,6"
  # test the right menu: the right button dark
  "fill #5a5a5a roundrectangle 3,1 12,14 4,4 fill #ffffff roundrectangle 4,2 11,13 3,3 fill #d6336c rectangle 8,2 11,6 fill #5a5a5a rectangle 7,2 7,6"
  # template window: four objects
  "fill #f2c94c rectangle 1,1 6,6 fill #2f9e44 rectangle 9,1 14,6 fill #2b6cb0 rectangle 1,8 6,13 fill #d6336c rectangle 9,8 14,13"
)
frames=()
for i in "${!button_images[@]}"; do
  convert -size 16x15 xc:"#c0c0c0" +antialias -draw "${button_images[i]}" "PNG24:$work/button$i.png"
  frames+=("$work/button$i.png")
done
convert "${frames[@]}" +append -type Palette -colors 64 "BMP3:$editor_out/tool_bar.bmp"
echo "icons written to $out, $setup_out and $editor_out"
