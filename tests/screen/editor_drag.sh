#!/usr/bin/env bash
# A real mouse drag in the editor's menu tree: in a Wine virtual desktop the
# section's left menu a, b, c has its first entry dragged onto the last;
# after Save all the file holds b, c, a.
#   editor_drag.sh <Ombrixm.exe> <screen_driver.exe> <work folder>
set -euo pipefail
editor=$1 driver=$2 work=$3
rm -rf "$work"
mkdir -p "$work/app/work"
cp "$editor" "$work/app/Ombrixm.exe"
source "$(dirname "$0")/tray_desktop.sh"
printf '%s\r\n' "[Main]" "IniVersion=10" "TrayNo=1" "[Section1]" "Desc=Drag" "MenuPath_L=left.txt" \
  "MenuPath_R=left.txt" > "$work/app/Ombrix.ini"
menu="$work/app/work/left.txt"
printf '%s\r\n' "POPUP m" "BEGIN" "MENUITEM a.exe, a" "MENUITEM b.exe, b" "MENUITEM c.exe, c" "END" > "$menu"

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
xdotool mousemove --window "$window" 224 124 sleep 0.2 mousedown 1 sleep 0.3 \
  mousemove --window "$window" 226 128 sleep 0.2 mousemove --window "$window" 228 140 sleep 0.2 \
  mousemove --window "$window" 225 155 sleep 0.5
shot_desktop "$work/dragging.png"
xdotool mouseup 1
sleep 1
shot_desktop "$work/dropped.png"
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
# Closing after a save asks whether to start the resident again: No, where
# the centred box has its button (a click beside it finds the bare client).
touch "$work/signals/done"
for _ in $(seq 1 40); do
  kill -0 "$driver_pid" 2>/dev/null || break
  sleep 0.5
  click 475 328 2>/dev/null || true  # the desktop may be gone meanwhile
done
stop_resident
echo "1 passed, 0 failed"
