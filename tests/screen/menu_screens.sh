#!/usr/bin/env bash
# Screenshots of tray popups under the test display: each variant opens the
# sample menu with other options, and the picture is taken while it is open.
# Fails when a menu does not open, draws nothing, or shows a blank area.
# usage: menu_screens.sh <bin folder> <output folder> <sample menu>
set -uo pipefail
bin=$1 out=$2 sample=$3
mkdir -p "$out"
status=0
# Menu files are Shift-JIS with CR LF line ends.
menu="$out/sample.mnu"
iconv -f UTF-8 -t CP932 "$sample" | sed 's/$/\r/' >"$menu"

# The showcase says when its menu is drawn and keeps it open until the
# picture is taken, however slowly it started.
shoot() {
  local name=$1 options=$2 width=$3 extra=${4:-} signals="$out/$1.signals"
  rm -rf "$signals" && mkdir -p "$signals"
  wine "$bin/menu_showcase.exe" "$(winepath -w "$menu")" "$options" "$width" $extra "$(winepath -w "$signals")" \
    >"$out/$name.log" 2>&1 &
  local pid=$!
  for _ in $(seq 1 600); do
    [ -e "$signals/ready" ] && break
    kill -0 $pid 2>/dev/null || break
    sleep 0.1
  done
  import -window root -crop 720x420+0+0 "$out/$name.png"
  touch "$signals/done"
  wait $pid
  local rc=$?
  local colours
  colours=$(convert "$out/$name.png" -format %k info:)
  echo "$name: exit $rc, $(tail -1 "$out/$name.log"), $colours colours"
  if [ "$rc" -ne 0 ] || [ ! -e "$signals/ready" ] || [ "$colours" -lt 8 ]; then
    status=1
  fi
}

shoot small_icons 0x50000 0 settings
shoot large_icons 0x70000 0
shoot text_only 0x40000 0
shoot icons_only 0x10000 0
shoot fixed_width 0x50000 8
exit $status
