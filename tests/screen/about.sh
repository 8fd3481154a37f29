#!/usr/bin/env bash
# The version box of Ombrixa.exe in a Wine virtual desktop (which draws the
# caption bar): the box must show, with text in its panel, and two pictures
# a second apart must differ inside the panel and nowhere else (the credits
# scroll).
#   about.sh <Ombrixa.exe> <close_window.exe> <work folder>
set -uo pipefail
program=$1 closer=$2 work=$3
rm -rf "$work"
mkdir -p "$work/app"
cp "$program" "$work/app/Ombrixa.exe"

desktop="OmbrixScreenAbout$$"
wine explorer "/desktop=$desktop,440x360" "Z:${work//\//\\}\\app\\Ombrixa.exe" >"$work/program.log" 2>&1 &
pid=$!
finish() { kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; }
trap finish EXIT

window=""
for _ in $(seq 1 600); do
  window=$(xdotool search --onlyvisible --name "$desktop" 2>/dev/null | head -1)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "the virtual desktop did not show"; cat "$work/program.log"; exit 1; }
shoot() {
  import -window "$window" "$work/desktop.png"
  convert "$work/desktop.png" -bordercolor "$(convert "$work/desktop.png" -format '%[pixel:p{0,0}]' info:)" \
    -border 1 -trim +repage "$1"
}
# The panel is the box's white area; eroding the white drops the thin white
# edges of frames and buttons.
panel_of() {
  convert "$1" -fill black +opaque white -morphology Erode Square:3 -trim -format '%w %h %X %Y' info: 2>/dev/null
}
# The desktop takes the keyboard, before the box comes (a box that came
# first would stay inactive); the box comes when the program has started,
# which takes its time on a busy machine.
xdotool windowfocus "$window" 2>/dev/null
for _ in $(seq 1 120); do
  shoot "$work/about_1.png"
  read -r pw ph _ <<<"$(panel_of "$work/about_1.png")"
  [ "${pw:-0}" -ge 200 ] && [ "${ph:-0}" -ge 150 ] && break
  sleep 0.5
done
# A click on the panel (which does nothing there) makes the box the active
# window.
xdotool mousemove --window "$window" 220 150 click 1 mousemove --window "$window" 435 355

# Let a few lines enter the panel, then take the two pictures of the box:
# the desktop around it is cut away by its colour.
sleep 4
shoot "$work/about_1.png"
sleep 1
shoot "$work/about_2.png"
echo "screenshots: $work/about_1.png $work/about_2.png"

# The pictures may differ only in the panel.
panel=$(panel_of "$work/about_2.png")
read -r pw ph px py <<<"${panel//+/}"
pw=$((pw + 6)) ph=$((ph + 6)) px=$((px - 3)) py=$((py - 3))
convert "$work/about_1.png" "$work/about_2.png" -compose difference -composite \
  -threshold 0 "$work/difference.png"
changed=$(convert "$work/difference.png" -trim -format '%w %h %X %Y' info: 2>/dev/null)
read -r cw ch cx cy <<<"${changed//+/}"
echo "panel ${pw}x${ph} at $px,$py; changes ${cw}x${ch} at $cx,$cy"
status=0
if [ "${pw:-0}" -lt 200 ] || [ "${ph:-0}" -lt 150 ]; then
  echo "no panel in the box"; status=1
elif [ "${cw:-0}" -le 1 ] || [ "${ch:-0}" -le 1 ]; then
  echo "the panel did not scroll"; status=1
elif [ "$cx" -lt "$px" ] || [ "$cy" -lt "$py" ] || [ $((cx + cw)) -gt $((px + pw)) ] ||
     [ $((cy + ch)) -gt $((py + ph)) ]; then
  echo "the box changed outside its panel"; status=1
fi

# Text in the panel: dark pixels inside the white area.
dark=$(convert "$work/about_2.png" -crop "${pw}x${ph}+${px}+${py}" +repage -threshold 50% -negate \
  -format '%[fx:int(mean*w*h)]' info:)
echo "dark pixels in the panel: $dark"
[ "$dark" -ge 100 ] || { echo "no text in the panel"; status=1; }

# Escape closes the box like Cancel, and the program ends with it. Under
# Xvfb the X focus does not always stay with the virtual desktop, and then
# the key never reaches the box: after half a minute the box is closed as
# its close button would (WM_CLOSE, Cancel), and the program must still end.
ended_within() {
  local deadline=$((SECONDS + $1))
  while kill -0 "$pid" 2>/dev/null && [ "$SECONDS" -lt "$deadline" ]; do
    sleep 0.2
  done
  ! kill -0 "$pid" 2>/dev/null
}
xdotool windowfocus "$window" 2>/dev/null
xdotool key Escape
if ! ended_within 30; then
  echo "Escape did not reach the box; closing it with WM_CLOSE"
  wine explorer "/desktop=$desktop,440x360" "$(winepath -w "$closer")" "#32770" >/dev/null 2>&1
  ended_within 60 || { echo "the program did not end with its box"; status=1; }
fi
exit $status
