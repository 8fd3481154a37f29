#!/usr/bin/env bash
# Builds the Windows programs and the help file and packs the release:
#   dist/Ombrix-<version>.zip with a folder Ombrix-<version>/ holding the
#   three programs, Ombrix.chm, README-ja.txt (Shift-JIS),
#   README-en.txt and LICENSE.txt, all texts with CR LF line ends;
#   and, when makensis is there, the installer dist/Ombrix-<version>-setup.exe
#   with the same files (installer/Ombrix.nsi).
# Usage: scripts/package.sh [--no-build] [--build-dir DIR] [--out DIR]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build_dir="$top/build/win32"
out_dir="$top/dist"
build=1
while [ $# -gt 0 ]; do
  case $1 in
    --no-build) build=0 ;;
    --build-dir) build_dir=$(realpath -m "$2"); shift ;;
    --out) out_dir=$(realpath -m "$2"); shift ;;
    *) echo "usage: $0 [--no-build] [--build-dir DIR] [--out DIR]" >&2; exit 2 ;;
  esac
  shift
done

version=$(sed -n 's/^project(Ombrix VERSION \([0-9.]*\).*/\1/p' "$top/CMakeLists.txt")
[ -n "$version" ] || { echo "package: no version in CMakeLists.txt" >&2; exit 1; }

if [ $build -eq 1 ]; then
  bash "$top/scripts/bootstrap.sh" >/dev/null
  cmake -S "$top" -B "$build_dir" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-i686.cmake" \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build_dir" -j2
fi

bin="$build_dir/bin"
for required in Ombrix.exe Ombrixa.exe Ombrixm.exe Ombrix.chm; do
  [ -f "$bin/$required" ] || { echo "package: $bin/$required is missing; build first" >&2; exit 1; }
done

name="Ombrix-$version"
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir "$stage/$name"

# The programs in the order a user meets them.
declare -A role_ja=([Ombrix.exe]="常駐プログラム（これを起動します）"
                    [Ombrixa.exe]="セットアップアシスタントとバージョン情報"
                    [Ombrixm.exe]="メニューエディタ")
declare -A role_en=([Ombrix.exe]="the tray resident (start this one)"
                    [Ombrixa.exe]="setup assistant and version box"
                    [Ombrixm.exe]="menu editor")
programs_ja="" programs_en=""
for program in Ombrix.exe Ombrixa.exe Ombrixm.exe; do
  i686-w64-mingw32-strip -o "$stage/$name/$program" "$bin/$program"
  programs_ja+=$(printf '  %-14s %s' "$program" "${role_ja[$program]}")$'\n'
  programs_en+=$(printf '  %-14s %s' "$program" "${role_en[$program]}")$'\n'
done
cp "$bin/Ombrix.chm" "$stage/$name/"

# Texts for Windows: CR LF, the Japanese one in Shift-JIS.
fill() {  # template programs
  awk -v programs="$2" '$0 == "@PROGRAMS@" { printf "%s", programs; next } { print }' "$1"
}
crlf() { sed 's/$/\r/'; }
fill "$top/resources/package/README-ja.txt" "$programs_ja" | crlf |
  iconv -f UTF-8 -t CP932 >"$stage/$name/README-ja.txt"
fill "$top/resources/package/README-en.txt" "$programs_en" | crlf |
  iconv -f UTF-8 -t CP932 >"$stage/$name/README-en.txt"
crlf <"$top/LICENSE" >"$stage/$name/LICENSE.txt"

# Same inputs, same archive: fixed times and order.
stamp=$(git -C "$top" log -1 --format=%cd --date=format:%Y%m%d%H%M.%S 2>/dev/null || echo 202601010000)
find "$stage/$name" -exec touch -t "$stamp" {} +
mkdir -p "$out_dir"
archive="$out_dir/$name.zip"
rm -f "$archive"
(cd "$stage" && find "$name" -type f | LC_ALL=C sort | zip -X -q "$archive" -@)
echo "package: $archive"
(cd "$stage" && find "$name" -type f | LC_ALL=C sort | sed 's/^/  /')

if command -v makensis >/dev/null; then
  installer="$out_dir/$name-setup.exe"
  makensis -V2 -DVERSION="$version" -DSTAGE="$stage/$name" -DOUTFILE="$installer" "$top/installer/Ombrix.nsi" >/dev/null
  echo "installer: $installer"
fi
