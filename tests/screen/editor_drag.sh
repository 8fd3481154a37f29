#!/usr/bin/env bash
# A real mouse drag in the editor's menu tree: in a Wine virtual desktop the
# section's left menu a, b, c has its first entry dragged onto the last;
# after Save all the file holds b, c, a.
#   editor_drag.sh <Ombrixm.exe> <screen_driver.exe> <work folder>
set -euo pipefail
editor=$1 driver=$2 work=$3
rm -rf "$work"
source "$(dirname "$0")/tray_desktop.sh"
editor_app "MENUITEM a.exe, a" "MENUITEM b.exe, b" "MENUITEM c.exe, c"

start_resident "OmbrixScreenDrag$$" Ombrixm.exe OmbrixmFrame
shot_desktop "$work/start.png"
# The places follow from the frame's first size in an 800 x 600 desktop:
# the section in the management tree, the left menu's tab, then the
# entries a and c of the tree, 16 pixels apart.
xdotool mousemove --window "$window" 55 128 click --repeat 2 --delay 80 1
sleep 3
click 220 300
sleep 1
click 224 124
sleep 1
drag_and_drop 224 124 225 155
click 45 54  # Save all
order=""
for _ in $(seq 1 300); do
  order=$(grep -o 'MENUITEM [abc]\.exe' "$menu" | cut -c10 | tr -d '\n' || true)
  [ "$order" = "bca" ] && break
  sleep 0.1
done
echo "screenshots: $work/dragging.png $work/dropped.png"
if [ "$order" != "bca" ]; then
  echo "the menu file holds the entries in the order '$order', not 'bca'"
  exit 1
fi
close_editor
echo "1 passed, 0 failed"
