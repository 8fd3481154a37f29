#!/usr/bin/env bash
# Builds the programs and starts the tray resident in a Wine virtual desktop.
# With a display ($DISPLAY) the desktop window stays until you close it.
# Without one it runs under a private Xvfb, takes a screenshot of the desktop
# with its tray, prints the screenshot's path and stops.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
bash scripts/bootstrap.sh

cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win32 -j"$(nproc)"

BUILD_DIR="$top/build/win32"
app="$BUILD_DIR/run"
# With the setup assistant built, every run starts from a folder that holds
# only the programs: the resident finds no settings and starts the assistant,
# which writes the settings and the sample menus and starts it again.
[ -f "$BUILD_DIR/bin/Ombrixa.exe" ] && rm -rf "$app"
mkdir -p "$app"
for program in Ombrix Ombrixa Ombrixm; do
  [ -f "$BUILD_DIR/bin/$program.exe" ] && cp "$BUILD_DIR/bin/$program.exe" "$app/"
done
[ -f "$BUILD_DIR/bin/Ombrix.chm" ] && cp "$BUILD_DIR/bin/Ombrix.chm" "$app/"
# Without the assistant, ready-made settings stand in for its work.
[ -f "$app/Ombrixa.exe" ] || bash scripts/sample_settings.sh "$app"

source scripts/wine_session.sh
headless=0
if [ -z "${DISPLAY:-}" ]; then
  headless=1
  trap ombrix_stop_session EXIT
  ombrix_start_xvfb
fi
ombrix_start_wine

cd "$app"
if [ "$headless" = 0 ]; then
  echo "Ombrix is running in the Wine desktop window \"Ombrix\"."
  exec wine explorer /desktop=Ombrix,1024x700 Ombrix.exe
fi

wine explorer /desktop=Ombrix,1024x700 Ombrix.exe >/dev/null 2>&1 &
sleep 12
shot="$BUILD_DIR/run/desktop.png"
import -window root "$shot"
echo "screenshot: $shot"
