#!/usr/bin/env bash
# A real right click on the resident's tray icon in a Wine virtual desktop
# opens its owner-drawn menu (the last icon's right menu, with the settings
# submenu): the menu's title colour must show on the screen, and the menu
# closes by itself after MenuAutoHide. Then, with the settings rewritten,
# "再表示" chosen by clicks in the settings submenu takes the plain icon away
# and shows the icons of the new settings.
#   tray_menu.sh <Ombrix.exe> <screen_driver.exe> <menu_windows.exe> <sample menu (UTF-8)> <work folder>
set -euo pipefail
resident=$1 driver=$2 lister=$3 sample=$4 work=$5
rm -rf "$work"
mkdir -p "$work/app"
cp "$resident" "$work/app/Ombrix.exe"
source "$(dirname "$0")/tray_desktop.sh"
iconv -f UTF-8 -t CP932 "$sample" | sed 's/$/\r/' >"$work/app/right.mnu"

# Options 0x50000 (icons and text) are 327680.
printf '%s\r\n' "[Main]" "IniVersion=10" "TrayNo=1" "MenuAutoHide=2000" \
  "[Section1]" "Desc=menu" "MenuPath_R=$app_win\\right.mnu" "Opt_R=327680" "MenuWidth_R=0" > "$work/app/Ombrix.ini"

start_resident "OmbrixScreenMenu$$"
# The default tray face's key colour gives the icon's place.
find_face 2f8f83
before=$(count_colour "$work/desktop.png" 000080)
click "$((x + 2))" "$((y + 2))" 3

# The title line of the sample menu is white on navy (000080).
seen=0
for _ in $(seq 1 20); do
  sleep 0.3
  shot_desktop "$work/menu.png"
  if [ "$(count_colour "$work/menu.png" 000080)" -ge "$((before + 200))" ]; then
    seen=1
    break
  fi
done
echo "screenshot: $work/menu.png"
[ "$seen" = 1 ] || { echo "the menu did not open"; exit 1; }

# Left alone, it closes after MenuAutoHide (2 s; checked every second).
sleep 4
shot_desktop "$work/closed.png"
[ "$(count_colour "$work/closed.png" 000080)" -lt "$((before + 200))" ] || { echo "the menu did not close by itself"; exit 1; }

# New settings: the first icon becomes the calendar, a second icon shows the
# pressed face. Only a reload reads them.
printf '%s\r\n' "[Main]" "IniVersion=10" "TrayNo=2" "MenuAutoHide=2000" \
  "[Section1]" "Flags=1" "Desc=menu" "MenuPath_R=$app_win\\right.mnu" "Opt_R=327680" \
  "[Section2]" "Flags=2" "Desc=pressed" "IconUp=$app_win\\Ombrix.exe" "IconNoUp=-132" > "$work/app/Ombrix.ini"

# The settings submenu's entry is the one with the product's own picture
# (its dark blue 1a4480 is in no other picture of the sample menu). The menu
# hides itself 2 s after the last activity: a slow look may come too late,
# so the whole way is tried again.
open_settings() {
  local spot=""
  click "$((x + 2))" "$((y + 2))" 3
  for _ in $(seq 1 20); do
    sleep 0.2
    shot_desktop "$work/menu_again.png"
    spot=$(convert "$work/menu_again.png" txt:- | tr 'A-F' 'a-f' | grep -m1 "#1a4480" | cut -d: -f1 || true)
    [ -n "$spot" ] && break
  done
  [ -n "$spot" ] || return 1
  click "$((${spot%,*} + 20))" "$((${spot#*,} + 5))"
  # The submenu is the menu window that is not the tray menu's, which holds
  # the entry.
  read -r sl st sr sb < <(wait_menus 2 5 | awk -v px="${spot%,*}" -v py="${spot#*,}" \
    'NF == 4 && !(px >= $1 && px < $3 && py >= $2 && py < $4)' | head -1)
  [ -n "${sb:-}" ]
}
opened=0
for _ in 1 2 3; do
  open_settings && { opened=1; break; }
  sleep 3
done
[ "$opened" = 1 ] || { echo "the settings submenu did not open"; exit 1; }
shot_desktop "$work/settings_submenu.png"
echo "screenshot: $work/settings_submenu.png"
# Its entries: メニューの設定, 再表示, a separator, バージョン情報, ヘルプ, a
# separator, 終了, inside a 3-pixel frame; the five texts are equally high,
# each separator half as high.
item=$(((sb - st - 6) / 6))
click "$(((sl + sr) / 2))" "$((st + 3 + item + item / 2))"

# The plain face goes; the calendar (d83b3b) and the pressed face (1f6159)
# come. A frame with no face at all, if one is caught, is the moment between
# the two.
gone=0 back=0
for _ in $(seq 1 60); do
  sleep 0.2
  shot_desktop "$work/reloaded.png"
  convert "$work/reloaded.png" -gravity SouthEast -crop 200x40+0+0 +repage "$work/tray_area.png"
  plain=$(count_colour "$work/tray_area.png" 2f8f83)
  calendar=$(count_colour "$work/tray_area.png" d83b3b)
  pressed=$(count_colour "$work/tray_area.png" 1f6159)
  [ "$plain$calendar$pressed" = 000 ] && gone=1
  if [ "$plain" = 0 ] && [ "$calendar" -ge 8 ] && [ "$pressed" -ge 8 ]; then
    back=1
    break
  fi
done
echo "screenshot: $work/reloaded.png"
[ "$back" = 1 ] || { echo "after 再表示 the tray shows plain $plain, calendar $calendar, pressed $pressed pixels"; exit 1; }

stop_resident
echo "tray menu opened by a click and closed by itself; 再表示 showed the new icons (empty tray seen: $gone)"
