# Sourced by the release checks: a failed check is noted and the others go
# on; $fail says at the end whether any failed.
fail=0
problem() { echo "FAIL: $*"; fail=1; }
win_path() { echo "Z:${1//\//\\}"; }

# pack <source dir> <build dir> <out folder>: the release packed from the
# build tree; without it nothing can be checked.
pack() {
  bash "$1/scripts/package.sh" --no-build --build-dir "$2" --out "$3" >"$3.log" 2>&1 ||
    { cat "$3.log"; echo "FAIL: package.sh failed"; exit 1; }
}

# photograph <desktop> <png> "<left> <top> <right> <bottom>" <least colours> <what> [#rrggbb:pixels ...]:
# the virtual desktop's picture, and whether that part of it is drawn: with
# that many colours, and each colour named after them on at least that many
# pixels (a title's background, the texts), which a picture of anything else
# with as many colours would not have.
photograph() {
  local window part=${2%.png}_only.png left top right bottom colours wanted count
  window=$(xdotool search --name "$1" | head -1 || true)
  import -window "${window:-root}" "$2"
  read -r left top right bottom <<<"$3"
  convert "$2" -crop "$((right - left))x$((bottom - top))+$left+$top" +repage "$part"
  colours=$(convert "$part" -format '%k' info:)
  echo "screenshot: $2 ($5 $left,$top-$right,$bottom, $colours colours)"
  [ "$colours" -ge "$4" ] || problem "the $5 is not drawn"
  for wanted in "${@:6}"; do
    count=$(convert "$part" -format %c histogram:info: | grep -i " ${wanted%:*} " | sed 's/:.*//' | tr -d ' ')
    [ "${count:-0}" -ge "${wanted#*:}" ] || problem "the $5 shows ${wanted%:*} on ${count:-0} pixels, not ${wanted#*:}"
  done
}
