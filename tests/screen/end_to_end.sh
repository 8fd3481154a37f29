#!/usr/bin/env bash
# A user's round trip in a Wine virtual desktop. A folder that holds only the
# programs: the resident runs the setup assistant, which writes the sample
# menus and starts it again. A right click on the last section's tray icon
# and clicks on "メニューの設定" start the editor, which asks to close the
# resident. In the editor the section's right menu has an entry renamed, a
# new entry pointed at a recorder program, a new group, and the entry moved
# into the group; Save all; the editor closes and starts the resident again,
# whose menu, opened by a click, holds the group, and a click on the entry in
# it starts the recorder. A numbered screenshot of each step in the work
# folder.
#   end_to_end.sh <folder of the programs> <the editor's resource_ids.h> <work folder>
set -euo pipefail
bin=$1 ids=$2 work=$3
rm -rf "$work"
mkdir -p "$work/app" "$work/signals"
for program in Ombrix Ombrixa Ombrixm; do
  cp "$bin/$program.exe" "$work/app/"
done
cp "$bin/recorder.exe" "$work/app/recorded.exe"
lister="$bin/menu_windows.exe"
source "$(dirname "$0")/tray_desktop.sh"
desktop="OmbrixEndToEnd$$"
menu="$work/app/work/Section3_r.txt"

fail() { echo "$1" >&2; exit 1; }
in_desktop() { wine explorer "/desktop=$desktop,800x600" "$@"; }
closing() { in_desktop "$(win_path "$bin/close_window.exe")" "$1" >/dev/null 2>&1 || true; }
trap 'touch "$work/signals/done"; closing OmbrixmFrame; closing Q-Fendix' EXIT
# place <window_place.exe arguments>: "left top right bottom" on the
# desktop. The tool is not waited for: its answer file is.
place() {
  rm -f "$work/place.txt"
  in_desktop "$(win_path "$bin/window_place.exe")" "$(win_path "$work/place.txt")" "$@" >/dev/null 2>&1
  for _ in $(seq 1 900); do
    [ -s "$work/place.txt" ] && break
    sleep 0.1
  done
  grep -v none "$work/place.txt" 2>/dev/null | tr -d '\r' || fail "no place for $*"
}
id_of() { echo $(($(awk -v name="$1" '$1 == "#define" && $2 == name { print $3 }' "$ids"))); }
step=0
shot() {
  step=$((step + 1))
  shot_desktop "$work/$(printf %02d "$step")_$1.png"
  echo "screenshot: $work/$(printf %02d "$step")_$1.png"
}
# click_middle [button] [clicks]: a click in the middle of "left top right bottom" on stdin.
click_middle() {
  local l t r b
  read -r l t r b || fail "nothing to click"
  xdotool mousemove --window "$window" "$(((l + r) / 2))" "$(((t + b) / 2))" click --repeat "${2:-1}" --delay 80 "${1:-1}"
}
# The notification area puts each new icon left of the others: the last
# section's, which has the settings submenu, is the first. Sets icon.
wait_tray() {
  local icons=()
  for _ in $(seq 1 120); do
    sleep 0.5
    shot_desktop "$work/desktop.png" || continue
    mapfile -t icons < <(tray_icons "$work/desktop.png")
    [ "${#icons[@]}" -eq "$1" ] && { icon=${icons[0]:-}; return 0; }
  done
  fail "${#icons[@]} tray icons instead of $1"
}
# open_tray_menu: a right click on that icon; sets l t r b to its menu.
open_tray_menu() {
  click "$((icon + 8))" 590 3
  read -r l t r b < <(wait_menus 1 | head -1)
  [ -n "${b:-}" ] || fail "the tray menu did not open"
}
# open_submenu <y>: a click on the tray menu's entry at y; sets sl st sr sb
# to the submenu, the open menu that is not the tray menu.
open_submenu() {
  click "$(((l + r) / 2))" "$1"
  read -r sl st sr sb < <(wait_menus 2 | awk -v l="$l" -v t="$t" 'NF == 4 && !($1 == l && $2 == t)' | head -1)
  [ -n "${sb:-}" ] || fail "no submenu opened at $1"
}
# choose <y> <picture>: the submenu's entry at y, with the pointer resting
# on it (a touch: the menus hide after 3 s untouched) while the picture, a
# fraction of a second, is taken.
choose() {
  xdotool mousemove --window "$window" "$(((sl + sr) / 2))" "$1"
  shot "$2"
  click "$(((sl + sr) / 2))" "$1"
}

in_desktop "$app_win\\Ombrix.exe" >"$work/wine.log" 2>&1 &
for _ in $(seq 1 600); do
  grep -q '^IniVersion=10' "$work/app/Ombrix.ini" 2>/dev/null && break
  sleep 0.1
done
wait_tray 3
shot tray
watch_menus

# The tray menu's last entry is the settings submenu; its first, "メニューの
# 設定".
open_tray_menu
sample_height=$((b - t))
open_submenu "$((b - 8))"
choose "$((st + 3 + (sb - st - 6) / 12))" tray_menu

# The editor asks whether it may close the resident: はい.
place '#32770' 1 >"$work/yes.txt"
shot close_question
click_middle <"$work/yes.txt"
wait_tray 0
# The frame and the section window maximized, so that the whole form shows.
read -r l t r b < <(place OmbrixmFrame)
xdotool mousemove --window "$window" "$(((l + r) / 2))" "$((t + 10))" click --repeat 2 --delay 80 1
# Controls of the editor's own numbering: 1000 the management tree, 1002
# the section window's tabs, 99 its menu tree.
place OmbrixmFrame 1000 4 | click_middle 1 2  # 設定
read -r l t r b < <(place OmbrixmFrame OmbrixmChild)
xdotool mousemove --window "$window" "$(((l + r) / 2))" "$((t + 10))" click --repeat 2 --delay 80 1
place OmbrixmFrame 1002 2 | click_middle  # the right menu's tab
shot section

# Tree rows: 0 the root, 1 コントロール パネル, 2 Printers and Faxes.
place OmbrixmFrame 99 2 | click_middle
place OmbrixmFrame "$(id_of IDC_FILE_DESCRIPTION)" | click_middle
xdotool key End shift+Home
xdotool type Devices
xdotool key Tab
toolbar=$(id_of ID_TOOL_BAR)
place OmbrixmFrame "$toolbar" "$(id_of ID_NEW_ITEM)" | click_middle
place OmbrixmFrame "$(id_of IDC_PATH_MENU)" | click_middle
read -r l t r b < <(wait_menus 1 | head -1)
[ -n "${b:-}" ] || fail "the path menu did not open"
click "$(((l + r) / 2))" "$((t + 11))"  # ファイル/プログラム
place '#32770' 1 >/dev/null
# The whole path: the dialog may open in the folder it showed last.
xdotool type "$app_win\\recorded.exe"
xdotool key Return
place OmbrixmFrame 99 2 | click_middle
place OmbrixmFrame "$toolbar" "$(id_of ID_NEW_GROUP)" | click_middle
# Rows 3 the group, 4 the new entry it came with, 5 recorded.exe.
place OmbrixmFrame 99 5 | click_middle
place OmbrixmFrame "$toolbar" "$(id_of ID_LEVEL_DOWN)" | click_middle
shot edited
place OmbrixmFrame "$toolbar" "$(id_of ID_SAVE_ALL)" | click_middle

# The saved menu: Devices in the menu itself, the recorder in the group.
depths() {
  tr -d '\r' <"$menu" | awk '/^;/ { next } /^ *END/ { d-- } /, Devices,/ { printf "%d Devices ", d }
    /recorded\.exe,/ { printf "%d recorded ", d } /^ *BEGIN/ { d++ }'
}
for _ in $(seq 1 300); do
  [ "$(depths)" = "1 Devices 2 recorded " ] && break
  sleep 0.2
done
[ "$(depths)" = "1 Devices 2 recorded " ] || fail "the saved menu holds: $(depths)"
shot saved
closing OmbrixmFrame
wait_tray 3

# The restarted resident's menu is one entry longer: the group, third.
open_tray_menu
row=$((b - t - sample_height))
[ "$row" -ge 16 ] || fail "the menu is $((b - t)) pixels high, $sample_height before the edits"
open_submenu "$((t + 3 + 2 * row + row / 2))"
choose "$((sb - 8))" end_to_end
log="$work/app/recorded.log"
for _ in $(seq 1 300); do
  grep -q 'recorded.exe' "$log" 2>/dev/null && break
  sleep 0.2
done
grep -q 'recorded.exe' "$log" 2>/dev/null || fail "the new entry started nothing"
echo "1 passed, 0 failed"
