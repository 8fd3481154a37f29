#!/usr/bin/env bash
# A folder menu in the running resident: a real click on the tray icon
# opens its menu, a click on the SHOWFOLDER entry opens the folder's
# submenu (filled from the shell as it opens), and a click on the file
# entry in it starts that program with its own path.
#   tray_folder.sh <Ombrix.exe> <screen_driver.exe> <menu_windows.exe> <recorder.exe> <work folder>
set -euo pipefail
resident=$1 driver=$2 lister=$3 recorder=$4 work=$5
rm -rf "$work"
mkdir -p "$work/app" "$work/data/sub"
cp "$resident" "$work/app/Ombrix.exe"
cp "$recorder" "$work/data/run me.exe"
source "$(dirname "$0")/tray_desktop.sh"
data_win=$(win_path "$work/data")
printf '%s\r\n' "POPUP folder" "BEGIN" "MENUITEM $data_win,data,,,,SHOWFOLDER" "END" |
  iconv -f UTF-8 -t CP932 >"$work/app/left.mnu"
# Options 0x50000 (icons and text) are 327680.
printf '%s\r\n' "[Main]" "IniVersion=10" "TrayNo=1" "MenuAutoHide=0" \
  "[Section1]" "Desc=folder" "MenuPath_L=$app_win\\left.mnu" "Opt_L=327680" "MenuWidth_L=0" > "$work/app/Ombrix.ini"

start_resident "OmbrixScreenFolder$$"
watch_menus
# The default tray face's key colour gives the icon's place.
find_face 2f8f83

click "$((x + 2))" "$((y + 2))"
read -r l t r b < <(wait_menus 1 | head -1)
[ -n "${b:-}" ] || { echo "the tray menu did not open"; exit 1; }
# Its one entry is the folder: a click opens the submenu.
click "$(((l + r) / 2))" "$(((t + b) / 2))"
list=$(wait_menus 2)
[ "$(printf '%s' "$list" | grep -c .)" -ge 2 ] || { echo "the folder submenu did not open"; exit 1; }
read -r l t r b < <(printf '%s\n' "$list" | grep -v "^$l $t $r $b\$" | head -1)
sleep 0.5
import -window "$window" "$work/folder_menu.png"
echo "screenshot: $work/folder_menu.png"
# Header, separator, the subfolder, then the file: the last entry.
click "$(((l + r) / 2))" "$((b - 10))"

log="$work/data/run me.log"
for _ in $(seq 1 300); do
  [ -s "$log" ] && break
  sleep 0.2
done
[ -s "$log" ] || { echo "the file entry started nothing"; exit 1; }
grep -qi "run me.exe" "$log" || { echo "started with an unexpected command line:"; cat "$log"; exit 1; }

stop_resident
echo "folder entry opened by a click, file entry started: $(head -1 "$log" | cut -f1)"
