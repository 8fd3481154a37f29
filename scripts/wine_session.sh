# Sourced by the test and run scripts: a private X display and a Wine prefix
# of the build tree's own, started here and stopped (by pid) on exit.
# Needs BUILD_DIR. Sets DISPLAY, WINEPREFIX, WINEDEBUG, LANG.

export WINEPREFIX="$BUILD_DIR/wineprefix"
export WINEDEBUG=-all
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

OMBRIX_XVFB_PID=""

ombrix_stop_session() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "$OMBRIX_XVFB_PID" ]; then
    kill "$OMBRIX_XVFB_PID" 2>/dev/null || true
    wait "$OMBRIX_XVFB_PID" 2>/dev/null || true
  fi
}

ombrix_start_xvfb() {
  local n
  for n in $(seq 90 160); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    OMBRIX_XVFB_PID=$!
    local i
    for i in $(seq 1 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && break
      sleep 0.1
    done
    if kill -0 "$OMBRIX_XVFB_PID" 2>/dev/null && [ -e "/tmp/.X11-unix/X$n" ]; then
      export DISPLAY=":$n"
      return 0
    fi
  done
  echo "no free X display" >&2
  return 1
}

ombrix_start_wine() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "wine: creating the prefix $WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wineserver -w
  fi
  wineserver -p
  # Start the prefix's services now, detached from our output: started by the
  # first test instead, they would inherit ctest's pipes and keep ctest
  # waiting after the test has ended.
  wineboot >/dev/null 2>&1 </dev/null
}
