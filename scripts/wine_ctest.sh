#!/usr/bin/env bash
# Runs ctest in the Windows build tree under Wine on a private X display,
# for quick loops: bash scripts/wine_ctest.sh -R launch
# (build first with: cmake --build build/win32 -j2).
set -uo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR="$top/build/win32"
source "$top/scripts/wine_session.sh"
trap ombrix_stop_session EXIT
ombrix_start_xvfb || exit 1
ombrix_start_wine
cd "$BUILD_DIR" && ctest --output-on-failure --timeout 300 "$@"
