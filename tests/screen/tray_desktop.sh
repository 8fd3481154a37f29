# Sourced by the tray and setup screen tests: the resident of "$work/app" run
# by screen_driver.exe in a Wine virtual desktop of its own, and the looks at
# the desktop they share. Needs work (and driver to start the resident); the
# caller writes the settings first.

win_path() { echo "Z:${1//\//\\}"; }
app_win=$(win_path "$work/app")

# Pixels of one colour (hex) in a picture. Counted by ImageMagick itself: a
# pixel listing takes seconds on a busy machine, longer than a menu waits.
count_colour() {
  convert "$1" -fill black +opaque "#$2" -fill white -opaque "#$2" -format '%[fx:int(mean*w*h+0.5)]\n' info:
}
# first_pixel <png> <hex>: "x y", the top left corner of the area that
# pixels of that colour take; nothing when there is none.
first_pixel() {
  [ "$(count_colour "$1" "$2")" -gt 0 ] || return 0
  convert "$1" -fill black +opaque "#$2" -fill white -opaque "#$2" -trim -format '%X %Y\n' info: | tr -d '+'
}

# tray_icons <png>: the left column of each icon in the notification area
# at the right end of the taskbar, one a line: columns that differ from the
# taskbar's own colour form one group per icon.
tray_icons() {
  local left=$(($(convert "$1" -format %w info:) - 200))
  convert "$1" -gravity SouthEast -crop 200x18+0+1 +repage "$work/tray_area.png"
  convert "$work/tray_area.png" txt:- | sed 1d | awk -v left="$left" '
    { split($1, at, /[,:]/); count[$3]++; colour[NR] = $3; column[NR] = at[1] }
    END {
      for (c in count) if (count[c] > most) { most = count[c]; background = c }
      for (i in colour) if (colour[i] != background) used[column[i]] = 1
      previous = -5
      for (x = 0; x < 200; x++) if (x in used) { if (x > previous + 1) print left + x; previous = x }
    }'
}

# start_resident <desktop name> [program] [window class]: the resident (or
# the program of "$work/app" named) until its window of that class shows;
# sets desktop and driver_pid; on exit the program is told to end.
start_resident() {
  desktop=$1
  mkdir -p "$work/signals"
  wine explorer "/desktop=$desktop,800x600" "$(win_path "$driver")" "$app_win\\${2:-Ombrix.exe}" "${3:-Q-Fendix}" \
    "$(win_path "$work/signals")" >"$work/driver.log" 2>&1 &
  driver_pid=$!
  trap 'touch "$work/signals/done"; wait "$driver_pid" 2>/dev/null || true' EXIT
  for _ in $(seq 1 600); do
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
  for _ in $(seq 1 120); do
    sleep 0.5
    shot_desktop "$work/desktop.png" || continue
    spot=$(first_pixel "$work/desktop.png" "$1")
    [ -n "$spot" ] && break
  done
  [ -n "$spot" ] || { echo "no tray icon of colour $1 seen"; exit 1; }
  read -r x y <<<"$spot"
}

# watch_menus: starts menu_windows.exe (the path in lister) in the desktop;
# it keeps "$work/signals/menus.txt" up to date (see menus) and logs each
# change with its tick count in menus.log, until the resident is stopped.
watch_menus() {
  wine explorer "/desktop=$desktop,800x600" "$(win_path "$lister")" "$(win_path "$work/signals")" \
    >"$work/watcher.log" 2>&1 &
  for _ in $(seq 1 600); do
    [ -e "$work/signals/menus.txt" ] && return 0
    sleep 0.1
  done
  echo "the menu window watcher did not start"
  exit 1
}
# Menu windows of the desktop, topmost first, "left top right bottom" each.
menus() { tr -d '\r' <"$work/signals/menus.txt" 2>/dev/null || true; }
# wait_menus <count> [seconds]: the list once it has that many windows.
wait_menus() {
  local want=$1 list=""
  for _ in $(seq 1 $((${2:-30} * 10))); do
    list=$(menus)
    [ "$(printf '%s' "$list" | grep -c .)" -ge "$want" ] && break
    sleep 0.1
  done
  printf '%s\n' "$list"
}
click() { xdotool mousemove --window "$window" "$1" "$2" click "${3:-1}"; }

# stop_resident: the program must end with 0 when its window is closed.
stop_resident() {
  touch "$work/signals/done"
  trap - EXIT
  wait "$driver_pid" 2>/dev/null
  local code
  code=$(cat "$work/signals/exit" 2>/dev/null)
  [ "$code" = 0 ] || { echo "the program did not end with 0 (${code:-no exit code})"; cat "$work/driver.log"; exit 1; }
}

# editor_app <entry>...: the editor of "$work/app" (copied from "$editor")
# with one section "Drag" whose menus are both "$menu" (work/left.txt),
# menu m holding the entry lines given.
editor_app() {
  mkdir -p "$work/app/work"
  cp "$editor" "$work/app/Ombrixm.exe"
  printf '%s\r\n' "[Main]" "IniVersion=10" "TrayNo=1" "[Section1]" "Desc=Drag" "MenuPath_L=left.txt" \
    "MenuPath_R=left.txt" > "$work/app/Ombrix.ini"
  menu="$work/app/work/left.txt"
  printf '%s\r\n' "POPUP m" "BEGIN" "$@" "END" > "$menu"
}

# drag_and_drop <x> <y> <x2> <y2>: a real left-button drag in the desktop,
# past a point between the two, with screenshots while the button is down
# ("$work/dragging.png") and after the drop ("$work/dropped.png").
drag_and_drop() {
  xdotool mousemove --window "$window" "$1" "$2" sleep 0.2 mousedown 1 sleep 0.3 \
    mousemove --window "$window" $(($1 + 2)) $(($2 + 4)) sleep 0.2 \
    mousemove --window "$window" $((($1 + $3) / 2)) $((($2 + $4) / 2)) sleep 0.2 \
    mousemove --window "$window" "$3" "$4" sleep 0.5
  shot_desktop "$work/dragging.png"
  xdotool mouseup 1
  sleep 2
  shot_desktop "$work/dropped.png"
}

# close_editor: the editor of the test closed after a save. It asks whether
# to start the resident again: No, where the centred box has its button (a
# click beside it finds the bare client).
close_editor() {
  touch "$work/signals/done"
  for _ in $(seq 1 40); do
    kill -0 "$driver_pid" 2>/dev/null || break
    sleep 0.5
    click 475 328 2>/dev/null || true  # the desktop may be gone meanwhile
  done
  stop_resident
}
