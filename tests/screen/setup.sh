#!/usr/bin/env bash
# A fresh installation in a Wine virtual desktop: the resident, started in a
# folder that holds only the programs, runs the setup assistant, whose dialog
# marks its steps done; then the resident shows the three tray icons of the
# sample settings.
#   setup.sh <Ombrix.exe> <Ombrixa.exe> <recorder.exe> <close_window.exe> <work folder>
set -euo pipefail
resident=$1 assistant=$2 recorder=$3 closer=$4 work=$5
rm -rf "$work"
mkdir -p "$work/app"
cp "$resident" "$work/app/Ombrix.exe"
cp "$assistant" "$work/app/Ombrixa.exe"
cp "$recorder" "$work/app/Ombrixm.exe"
source "$(dirname "$0")/tray_desktop.sh"
ini="$work/app/Ombrix.ini"

desktop="OmbrixScreenSetup$$"
wine explorer "/desktop=$desktop,800x600" "$(win_path "$work/app")\\Ombrix.exe" >"$work/wine.log" 2>&1 &
finish() {
  wine explorer "/desktop=$desktop,800x600" "$(win_path "$closer")" Q-Fendix >/dev/null 2>&1 || true
}
trap finish EXIT

# The dialog marks each step done and closes 3 s after the first mark.
# From the moment step 1 has written ServePath (just before its mark) the
# pictures are only taken, back to back, and looked at afterwards: a look
# costs seconds on a busy machine, a picture a fraction of one.
for _ in $(seq 1 600); do
  grep -q '^ServePath=' "$ini" 2>/dev/null && break
  sleep 0.1
done
grep -q '^ServePath=' "$ini" 2>/dev/null || { echo "the setup dialog did not run its first step"; exit 1; }
window=$(xdotool search --name "$desktop" | head -1 || true)
# Pictures for up to ten seconds, however fast they come.
deadline=$((SECONDS + 10))
for n in $(seq 100 399); do
  import -window "$window" "$work/setup_dialog_$n.png" 2>/dev/null || true
  grep -q '^IniVersion=10' "$ini" 2>/dev/null && break
  [ "$SECONDS" -lt "$deadline" ] || break
done
marks=0
for shot in "$work"/setup_dialog_*.png; do
  marks=$(count_colour "$shot" 43a047)
  [ "$marks" -ge 20 ] && { cp "$shot" "$work/setup_dialog.png"; break; }
done
echo "screenshot: $work/setup_dialog.png"
[ "$marks" -ge 20 ] || { echo "no done mark in the setup dialog ($marks pixels)"; exit 1; }

for _ in $(seq 1 600); do
  grep -q '^IniVersion=10' "$ini" 2>/dev/null && break
  sleep 0.1
done
grep -q '^IniVersion=10' "$ini" || { echo "the setup did not finish"; exit 1; }
icons=0
for _ in $(seq 1 120); do
  sleep 0.5
  shot_desktop "$work/setup_tray.png" || continue
  icons=$(tray_icons "$work/setup_tray.png" | wc -l)
  [ "$icons" -ge 3 ] && break
done
echo "screenshot: $work/setup_tray.png"
[ "$icons" -eq 3 ] || { echo "$icons tray icons instead of 3"; exit 1; }
echo "three tray icons seen"
