#!/usr/bin/env bash
# A real mouse drag from the editor's services browser: in a Wine virtual
# desktop the control panel category is dragged from the browser's tree onto
# the section's left menu; after Save all the file holds the group with one
# shortcut entry per applet, the shortcuts in the pool folder.
#   editor_services.sh <Ombrixm.exe> <screen_driver.exe> <work folder>
set -euo pipefail
editor=$1 driver=$2 work=$3
rm -rf "$work"
source "$(dirname "$0")/tray_desktop.sh"
editor_app "MENUITEM a.exe, a"

start_resident "OmbrixScreenServices$$" Ombrixm.exe OmbrixmFrame
shot_desktop "$work/start.png"
# The places follow from the frame maximised in an 800 x 600 desktop: the
# section in the management tree, the template window's button (the last
# of the tool bar), the Window menu's "並べて表示" (the browser above the
# section window), the section's left menu tab.
xdotool mousemove --window "$window" 300 10 click --repeat 2 --delay 80 1
sleep 2
xdotool mousemove --window "$window" 55 124 click --repeat 2 --delay 80 1
sleep 3
click 460 50
sleep 3
click 225 29
sleep 1
click 250 71
sleep 2
click 215 563
sleep 1
# The control panel chosen in the browser, then dragged onto the entry a.
click 255 179
sleep 2
drag_and_drop 250 179 221 373
click 45 50  # Save all
popup=$(printf 'POPUP "コントロール パネル"' | iconv -f UTF-8 -t CP932)
found=""
for _ in $(seq 1 300); do
  grep -qaF "$popup" "$menu" && found=yes && break
  sleep 0.1
done
echo "screenshots: $work/dragging.png $work/dropped.png"
links=$(find "$work/app/work" -name '*.lnk' | wc -l)
entries=$(LC_ALL=C grep -ac 'MENUITEM .*\.lnk' "$menu" || true)
if [ -z "$found" ] || [ "$links" != 3 ] || [ "$entries" != 3 ]; then
  echo "the menu file lacks the group of 3 shortcuts (group: ${found:-no}, $links .lnk files, $entries entries)"
  exit 1
fi
close_editor
echo "1 passed, 0 failed"
