#!/usr/bin/env bash
# A real right click on the resident's tray icon in a Wine virtual desktop
# opens its owner-drawn menu (the last icon's right menu, with the settings
# submenu): the menu's title colour must show on the screen, and the menu
# closes by itself after MenuAutoHide.
#   tray_menu.sh <Ombrix.exe> <screen_driver.exe> <sample menu (UTF-8)> <work folder>
set -euo pipefail
resident=$1 driver=$2 sample=$3 work=$4
rm -rf "$work"
mkdir -p "$work/app" "$work/signals"
cp "$resident" "$work/app/Ombrix.exe"
win_path() { echo "Z:${1//\//\\}"; }
app_win=$(win_path "$work/app")
iconv -f UTF-8 -t CP932 "$sample" | sed 's/$/\r/' >"$work/app/right.mnu"

# Options 0x50000 (icons and text) are 327680.
printf '%s\r\n' "[Main]" "IniVersion=10" "TrayNo=1" "MenuAutoHide=2000" \
  "[Section1]" "Desc=menu" "MenuPath_R=$app_win\\right.mnu" "Opt_R=327680" "MenuWidth_R=0" > "$work/app/Ombrix.ini"

desktop="OmbrixScreenMenu$$"
wine explorer "/desktop=$desktop,800x600" "$(win_path "$driver")" "$app_win\\Ombrix.exe" Q-Fendix \
  "$(win_path "$work/signals")" >"$work/driver.log" 2>&1 &
driver_pid=$!
finish() {
  touch "$work/signals/done"
  wait "$driver_pid" 2>/dev/null || true
}
trap finish EXIT

for _ in $(seq 1 200); do
  [ -e "$work/signals/ready" ] && break
  sleep 0.1
done
[ -e "$work/signals/ready" ] || { echo "the resident did not start"; cat "$work/driver.log"; exit 1; }

# The default tray face's key colour gives the icon's place.
window=""
for _ in $(seq 1 40); do
  sleep 0.5
  window=$(xdotool search --name "$desktop" | head -1 || true)
  [ -n "$window" ] || continue
  import -window "$window" "$work/desktop.png"
  spot=$(convert "$work/desktop.png" txt:- | tr 'A-F' 'a-f' | grep -m1 "#2f8f83" | cut -d: -f1 || true)
  [ -n "$spot" ] && break
done
[ -n "$spot" ] || { echo "no tray icon seen"; exit 1; }
x=${spot%,*} y=${spot#*,}
navy() { convert "$1" txt:- | tr 'A-F' 'a-f' | grep -c "#000080" || true; }
before=$(navy "$work/desktop.png")
xdotool mousemove --window "$window" "$((x + 2))" "$((y + 2))" click 3

# The title line of the sample menu is white on navy (000080).
seen=0
for _ in $(seq 1 20); do
  sleep 0.3
  import -window "$window" "$work/menu.png"
  if [ "$(navy "$work/menu.png")" -ge "$((before + 200))" ]; then
    seen=1
    break
  fi
done
echo "screenshot: $work/menu.png"
[ "$seen" = 1 ] || { echo "the menu did not open"; exit 1; }

# Left alone, it closes after MenuAutoHide (2 s; checked every second).
sleep 4
import -window "$window" "$work/closed.png"
[ "$(navy "$work/closed.png")" -lt "$((before + 200))" ] || { echo "the menu did not close by itself"; exit 1; }

touch "$work/signals/done"
trap - EXIT
wait "$driver_pid" || { echo "the resident did not end with 0"; cat "$work/driver.log"; exit 1; }
echo "tray menu opened by a click and closed by itself"
