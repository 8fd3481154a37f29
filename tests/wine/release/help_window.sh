#!/usr/bin/env bash
# The help window under Wine, opened by the resident's help command: with
# Ombrix.chm beside the resident the HTML Help window appears (its topic pane
# stays blank: this Wine has no HTML engine) and is photographed. (That the
# resident runs on without the file is the startup test's.)
#   help_window.sh <Ombrix.exe> <Ombrix.chm> <help_driver.exe> <work folder>
set -uo pipefail
resident=$1 chm=$2 driver=$3 work=$4
source "$(dirname "$0")/release_checks.sh"
rm -rf "$work"
mkdir -p "$work/app" "$work/signals"
printf '%s\r\n' "[Main]" "IniVersion=10" "TrayNo=0" > "$work/app/Ombrix.ini"
cp "$resident" "$work/app/Ombrix.exe"
cp "$chm" "$work/app/Ombrix.chm"

# In a virtual desktop Wine draws the window frames itself, caption included.
desktop="OmbrixHelp$$"
wine explorer "/desktop=$desktop,1024x768" "$(win_path "$driver")" "$(win_path "$work/app")" \
  "$(win_path "$work/signals")" >"$work/driver.log" 2>&1 &
driver_pid=$!
for _ in $(seq 1 1200); do
  [ -e "$work/signals/ready" ] && break
  kill -0 $driver_pid 2>/dev/null || break
  sleep 0.1
done
if [ ! -e "$work/signals/ready" ]; then
  problem "the help window was not ready to be photographed"
else
  sleep 1
  # Its bars' and contents' black texts.
  photograph "$desktop" "$work/help_window.png" "$(sed -n 's/^help window //p' "$work/driver.log" | tr -d '\r')" \
    4 "help window" "#000000:1000"
fi
touch "$work/signals/done"
wait $driver_pid || fail=1
# The desktop's exit status is not the driver's: its verdict is in its output.
grep -q '^FAIL:' "$work/driver.log" && fail=1
cat "$work/driver.log"

[ $fail -eq 0 ] && echo "help window opened from the resident"
exit $fail
