#!/usr/bin/env bash
# Screenshots of tray popups under the test display: each variant opens the
# sample menu with other options, and the picture is taken while it is open.
# Fails when a menu does not open or its titles are not drawn in their
# colours (the sample's first title is navy, the second's text green).
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
# Pixels of one colour (rrggbb) in a picture.
pixels() {
  convert "$1" -format %c histogram:info: | grep -i " #$2 " | sed 's/:.*//' | tr -d ' ' | grep . || echo 0
}

# shoot <name> <options> <width> <least green pixels> [settings]
shoot() {
  local name=$1 options=$2 width=$3 green=$4 extra=${5:-} signals="$out/$1.signals"
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
  local navy lime
  navy=$(pixels "$out/$name.png" 000080)
  lime=$(pixels "$out/$name.png" 00ff00)
  echo "$name: exit $rc, $(tail -1 "$out/$name.log"), navy $navy, green $lime pixels"
  if [ "$rc" -ne 0 ] || [ ! -e "$signals/ready" ] || [ "$navy" -lt 60 ] || [ "$lime" -lt "$green" ]; then
    status=1
  fi
}

shoot small_icons 0x50000 0 30 settings
shoot large_icons 0x70000 0 30
shoot text_only 0x40000 0 30
shoot icons_only 0x10000 0 0
shoot fixed_width 0x50000 8 30
exit $status
