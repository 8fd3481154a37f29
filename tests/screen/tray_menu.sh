#!/usr/bin/env bash
# A real right click on the resident's tray icon in a Wine virtual desktop
# opens its owner-drawn menu (the last icon's right menu, with the settings
# submenu): the menu's title colour must show on the screen. With the
# settings rewritten, "再表示" chosen by clicks in the settings submenu takes
# the plain icon away and shows the icons of the new settings, whose menus
# close by themselves after MenuAutoHide.
#   tray_menu.sh <Ombrix.exe> <screen_driver.exe> <menu_windows.exe> <sample menu (UTF-8)> <work folder>
set -euo pipefail
resident=$1 driver=$2 lister=$3 sample=$4 work=$5
rm -rf "$work"
mkdir -p "$work/app"
cp "$resident" "$work/app/Ombrix.exe"
source "$(dirname "$0")/tray_desktop.sh"
iconv -f UTF-8 -t CP932 "$sample" | sed 's/$/\r/' >"$work/app/right.mnu"

# Options 0x50000 (icons and text) are 327680. Looking at the menu and
# opening its settings submenu must not race the auto-hide, which is tested
# on its own below: a long MenuAutoHide here.
printf '%s\r\n' "[Main]" "IniVersion=10" "TrayNo=1" "MenuAutoHide=60000" \
  "[Section1]" "Desc=menu" "MenuPath_R=$app_win\\right.mnu" "Opt_R=327680" "MenuWidth_R=0" > "$work/app/Ombrix.ini"

start_resident "OmbrixScreenMenu$$"
watch_menus
# The default tray face's key colour gives the icon's place.
find_face 2f8f83
before=$(count_colour "$work/desktop.png" 000080)
click "$((x + 2))" "$((y + 2))" 3
[ -n "$(wait_menus 1)" ] || { echo "the menu did not open"; exit 1; }

# The title line of the sample menu is white on navy (000080); the settings
# submenu's entry is the one with the product's own picture (its dark blue
# 1a4480 is in no other picture of the sample menu).
seen=0
for _ in $(seq 1 20); do
  shot_desktop "$work/menu.png"
  if [ "$(count_colour "$work/menu.png" 000080)" -ge "$((before + 200))" ]; then
    seen=1
    break
  fi
  sleep 0.3
done
echo "screenshot: $work/menu.png"
[ "$seen" = 1 ] || { echo "the menu's title colour is not on the screen"; exit 1; }
read -r px py < <(first_pixel "$work/menu.png" 1a4480)
[ -n "${py:-}" ] || { echo "the settings entry's picture is not on the screen"; exit 1; }

# New settings: the first icon becomes the calendar, a second icon shows the
# pressed face, and menus hide after 2 s. Only a reload reads them.
printf '%s\r\n' "[Main]" "IniVersion=10" "TrayNo=2" "MenuAutoHide=2000" \
  "[Section1]" "Flags=1" "Desc=menu" "MenuPath_R=$app_win\\right.mnu" "Opt_R=327680" \
  "[Section2]" "Flags=2" "Desc=pressed" "IconUp=$app_win\\Ombrix.exe" "IconNoUp=-132" > "$work/app/Ombrix.ini"

click "$((px + 20))" "$((py + 5))"
# The submenu is the menu window that is not the tray menu's, which holds
# the entry.
read -r sl st sr sb < <(wait_menus 2 | awk -v px="$px" -v py="$py" \
  'NF == 4 && !(px >= $1 && px < $3 && py >= $2 && py < $4)' | head -1)
[ -n "${sb:-}" ] || { echo "the settings submenu did not open"; exit 1; }
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
for _ in $(seq 1 300); do
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

# Left alone, the calendar's menu closes by itself 2 s after it opened (the
# check runs every second). The watcher's log holds the tick counts of both.
[ -z "$(menus)" ] || { echo "a menu is still open after 再表示"; exit 1; }
opened=$(wc -l <"$work/signals/menus.log")
read -r x y < <(first_pixel "$work/reloaded.png" d83b3b)
click "$((x + 2))" "$((y + 2))" 3
[ -n "$(wait_menus 1)" ] || { echo "the calendar's menu did not open"; exit 1; }
for _ in $(seq 1 200); do
  [ -z "$(menus)" ] && break
  sleep 0.1
done
[ -z "$(menus)" ] || { echo "the menu did not close by itself"; exit 1; }
shown=$(tail -n +"$((opened + 1))" "$work/signals/menus.log" | tr -d '\r' |
  awk '$2 > 0 && !start { start = $1 } $2 == 0 && start { print $1 - start; exit }')
echo "the menu was open for $shown ms"
[ "${shown:-0}" -ge 1000 ] || { echo "the menu closed long before its MenuAutoHide of 2000 ms"; exit 1; }

stop_resident
echo "tray menu opened by a click; 再表示 showed the new icons (empty tray seen: $gone); the next menu closed by itself"
