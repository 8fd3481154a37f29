#!/usr/bin/env bash
# The resident's menus at 144 DPI: a Wine prefix of its own under the build
# tree with LogPixels 144, the resident in a virtual desktop with a large-icon
# left menu and a small-icon right menu, each opened, measured against the
# system metrics (dpi_driver.exe) and photographed.
#   dpi_menus.sh <Ombrix.exe> <dpi_driver.exe> <prefix folder> <work folder>
set -uo pipefail
resident=$1 driver=$2 prefix=$3 work=$4
source "$(dirname "$0")/release_checks.sh"
rm -rf "$work"
mkdir -p "$work/app/work" "$work/signals"

# A prefix of its own, so that the other tests keep 96 DPI; made once.
export WINEPREFIX=$prefix
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
if [ ! -f "$prefix/.ombrix-144" ]; then
  rm -rf "$prefix"
  wineboot -i >/dev/null 2>&1 </dev/null
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
  wineserver -w
  touch "$prefix/.ombrix-144"
fi

cp "$resident" "$work/app/Ombrix.exe"
shell32='C:\windows\system32\shell32.dll'
printf '%s\r\n' "[Main]" "IniVersion=10" "TrayNo=2" \
  "[Section1]" "Desc=144 DPI" "MenuPath_L=menu.txt" "MenuPath_R=menu.txt" \
  "Opt_L=458752" "Opt_R=327680" "MenuWidth_L=0" "MenuWidth_R=0" \
  "[Section2]" "Desc=last" > "$work/app/Ombrix.ini"
printf '%s\n' "POPUP menu.txt" "BEGIN" \
  "    STATIC \"見出し（144 DPI）\",,/0/16777215/0/8388608" \
  "    MENUITEM C:\\windows\\notepad.exe,メモ帳(&N)" \
  "    MENUITEM C:\\windows\\regedit.exe,\"レジストリ エディタ(&R)\"" \
  "    MENUITEM &#17,\"マイ コンピュータ\",,$shell32,15" \
  "    SEPARATOR ツール" \
  "    MENUITEM C:\\windows\\system32\\cmd.exe,\"コマンド プロンプト\"" \
  "    MENUITEM C:\\windows\\system32\\control.exe,\"とても長い名前のコントロール パネルの項目\"" \
  "END" | iconv -f UTF-8 -t CP932 | sed 's/$/\r/' > "$work/app/work/menu.txt"

desktop="OmbrixDpi$$"
wine explorer "/desktop=$desktop,1024x768" "$(win_path "$driver")" "$(win_path "$work/app")" \
  "$(win_path "$work/signals")" >"$work/driver.log" 2>&1 &
driver_pid=$!

for side in left right; do
  for _ in $(seq 1 1200); do
    [ -e "$work/signals/$side.menu" ] && break
    kill -0 $driver_pid 2>/dev/null || break
    sleep 0.1
  done
  [ -e "$work/signals/$side.menu" ] || { problem "the $side menu did not open"; break; }
  # The title's navy background and the entries' black texts.
  photograph "$desktop" "$work/menu_144dpi_$side.png" "$(cat "$work/signals/$side.menu")" 8 "$side menu" \
    "#000080:5000" "#000000:500"
  touch "$work/signals/$side.shot"
done
wait $driver_pid || fail=1
# The desktop's exit status is not the driver's: its verdict is in its output.
grep -q '^FAIL:' "$work/driver.log" && fail=1
cat "$work/driver.log"
[ $fail -eq 0 ] && echo "menus at 144 DPI follow the system metrics"
exit $fail
