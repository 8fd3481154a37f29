# Sourced by the tray and setup screen tests: the resident of "$work/app" run
# by screen_driver.exe in a Wine virtual desktop of its own, and the looks at
# the desktop they share. Needs work (and driver to start the resident); the
# caller writes the settings first.

win_path() { echo "Z:${1//\//\\}"; }
app_win=$(win_path "$work/app")

# Pixels of one colour (hex, lower case) in a picture.
count_colour() { convert "$1" txt:- | tr 'A-F' 'a-f' | grep -c "#$2" || true; }

# start_resident <desktop name>: sets desktop and driver_pid; on exit the
# resident is told to end.
start_resident() {
  desktop=$1
  mkdir -p "$work/signals"
  wine explorer "/desktop=$desktop,800x600" "$(win_path "$driver")" "$app_win\\Ombrix.exe" Q-Fendix \
    "$(win_path "$work/signals")" >"$work/driver.log" 2>&1 &
  driver_pid=$!
  trap 'touch "$work/signals/done"; wait "$driver_pid" 2>/dev/null || true' EXIT
  for _ in $(seq 1 200); do
    [ -e "$work/signals/ready" ] && return 0
    sleep 0.1
  done
  echo "the resident did not start"
  cat "$work/driver.log"
  exit 1
}

# shot_desktop <png>: sets window to the desktop's X window.
shot_desktop() {
  window=$(xdotool search --name "$desktop" | head -1 || true)
  [ -n "$window" ] && import -window "$window" "$1"
}

# find_face <hex colour>: waits for a tray face of that key colour; sets x
# and y to its first pixel (screenshot "$work/desktop.png").
find_face() {
  local spot=""
  for _ in $(seq 1 40); do
    sleep 0.5
    shot_desktop "$work/desktop.png" || continue
    spot=$(convert "$work/desktop.png" txt:- | tr 'A-F' 'a-f' | grep -m1 "#$1" | cut -d: -f1 || true)
    [ -n "$spot" ] && break
  done
  [ -n "$spot" ] || { echo "no tray icon of colour $1 seen"; exit 1; }
  x=${spot%,*} y=${spot#*,}
}

# Menu windows of the desktop, topmost first, "left top right bottom" each
# (needs lister, the path of menu_windows.exe).
menus() { wine explorer "/desktop=$desktop,800x600" "$(win_path "$lister")" 2>/dev/null | tr -d '\r'; }
# wait_menus <count> [tries]: the list once it has that many windows.
wait_menus() {
  local want=$1 list=""
  for _ in $(seq 1 "${2:-30}"); do
    list=$(menus)
    [ "$(printf '%s' "$list" | grep -c .)" -ge "$want" ] && break
    sleep 0.3
  done
  printf '%s\n' "$list"
}
click() { xdotool mousemove --window "$window" "$1" "$2" click "${3:-1}"; }

# stop_resident: the resident must end with 0 when its window is closed.
stop_resident() {
  touch "$work/signals/done"
  trap - EXIT
  wait "$driver_pid" || { echo "the resident did not end with 0"; cat "$work/driver.log"; exit 1; }
}
