#!/usr/bin/env bash
# Runs every test: the portable modules natively under AddressSanitizer and
# UBSan, the menu-file fuzzer briefly, then the Win32 code, the programs and
# the screen tests under Wine on a private X display. Ends with ctest's
# summary of the Wine run; exits non-zero if anything failed.
set -uo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
bash scripts/bootstrap.sh || exit 1

# The three builds and their Wine prefixes take about 3 GB; on a full disk
# Wine hangs until every test's time-out instead of failing.
free_kb=$(df -Pk "$top" | awk 'NR == 2 {print $4}')
if [ "${free_kb:-0}" -lt 3000000 ]; then
  echo "test.sh: only $((free_kb / 1024)) MB free under $top; a run needs about 3 GB" >&2
  exit 1
fi

jobs=$(nproc)
status=0

echo "== host build (sanitizers)"
cmake -S . -B build/host -DCMAKE_BUILD_TYPE=Debug >/dev/null &&
  cmake --build build/host -j"$jobs" || exit 1
(cd build/host && ctest --output-on-failure) || status=1

echo "== fuzz build (clang, libFuzzer)"
cmake -S . -B build/fuzz -DOMBRIX_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null &&
  cmake --build build/fuzz -j"$jobs" || exit 1
(cd build/fuzz && ctest --output-on-failure) || status=1

echo "== Windows build"
cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null &&
  cmake --build build/win32 -j"$jobs" || exit 1

BUILD_DIR="$top/build/win32"
source scripts/wine_session.sh
trap ombrix_stop_session EXIT
ombrix_start_xvfb || exit 1
ombrix_start_wine

echo "== Wine tests and screen tests (display $DISPLAY)"
(cd build/win32 && ctest --output-on-failure --timeout 600) || status=1
exit $status
