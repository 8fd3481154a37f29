#!/usr/bin/env bash
# The resident in a Wine virtual desktop with three tray icons: a calendar
# face, the pressed look and the plain default. Their pixels must show in the
# notification area at the right end of the taskbar.
#   tray.sh <Ombrix.exe> <screen_driver.exe> <work folder>
set -euo pipefail
resident=$1 driver=$2 work=$3
rm -rf "$work"
mkdir -p "$work/app"
cp "$resident" "$work/app/Ombrix.exe"
source "$(dirname "$0")/tray_desktop.sh"

# [Section2] shows the pressed face (icon 132 of Ombrix.exe) as its normal
# face; [Section3] has no icon file and shows the default. The calendar's
# tooltip is longer than the 63 bytes of the tip field.
printf '%s\r\n' "[Main]" "IniVersion=10" "TrayNo=3" \
  "[Section1]" "Flags=1" "Desc=カレンダー：今日の日付を表示するアイコンです。この説明は六十三バイトより長いので切られます" \
  "[Section2]" "Flags=2" "Desc=押された形" "IconUp=$app_win\\Ombrix.exe" "IconNoUp=-132" \
  "[Section3]" "Desc=プログラム" | iconv -f UTF-8 -t CP932 > "$work/app/Ombrix.ini"

start_resident "OmbrixScreenTray$$"

# Count the pixels of each face's key colour in the notification area.
colours=("d83b3b calendar" "1f6159 pressed" "2f8f83 plain")
shot="$work/tray.png"
missing=""
for attempt in $(seq 1 120); do
  sleep 0.5
  shot_desktop "$shot" || continue
  convert "$shot" -gravity SouthEast -crop 200x40+0+0 +repage "$work/tray_area.png"
  missing=""
  for entry in "${colours[@]}"; do
    set -- $entry
    count=$(count_colour "$work/tray_area.png" "$1")
    [ "$count" -ge 8 ] || missing+=" $2"
  done
  [ -z "$missing" ] && break
done
echo "screenshot: $shot"
if [ -n "$missing" ]; then
  echo "not seen in the notification area:$missing"
  exit 1
fi

# The calendar's tooltip: a window over the desktop just above the taskbar.
# Tooltips are windows of their own: take them from the root window.
above_taskbar() {
  convert "$1" -crop 400x40+400+535 +repage -fill white +opaque '#256f95' -fill black -opaque '#256f95' \
    -format '%[fx:int(mean*w*h+0.5)]\n' info:
}
read -r x y < <(first_pixel "$shot" d83b3b)
x=$((x + 8)) y=$((y + 8))
import -window root -crop 800x600+0+0 +repage "$work/before_tip.png"
before=$(above_taskbar "$work/before_tip.png")
# The shell shows a tooltip after the pointer rests a moment and hides it
# after a few seconds: each hover is watched for ten seconds, pictures taken
# back to back, and the pointer comes again if none showed it.
tip=0
for hover in 1 2 3 4 5; do
  xdotool mousemove --window "$window" $((x - 20)) $((y - 40)) sleep 0.3 \
    mousemove --window "$window" $((x - 1)) $((y + 5)) sleep 0.1 mousemove --window "$window" "$x" $((y + 6))
  deadline=$((SECONDS + 10))
  while [ "$SECONDS" -lt "$deadline" ]; do
    import -window root -crop 800x600+0+0 +repage "$work/tooltip.png"
    tip=$(above_taskbar "$work/tooltip.png")
    [ "$tip" -ge $((before + 500)) ] && break 2
  done
  echo "hover $hover showed no tooltip"
done
echo "tooltip screenshot: $work/tooltip.png"
[ "$tip" -ge $((before + 500)) ] || { echo "no tooltip over the calendar icon"; exit 1; }

stop_resident
echo "three tray icons seen"
