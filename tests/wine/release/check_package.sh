#!/usr/bin/env bash
# Packs the release from the build tree and checks the archive: exactly the
# three programs plus the help file, the two readmes and the licence; Windows
# line ends; the Japanese readme in Shift-JIS; both readmes naming every
# program and describing the editor; programs that still carry their version
# information.
# Usage: check_package.sh SOURCE_DIR BUILD_DIR PROGRAM...
set -uo pipefail
source_dir=$1 build_dir=$2
shift 2
programs=("$@")
source "$(dirname "$0")/release_checks.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
pack "$source_dir" "$build_dir" "$work/out"
archive=$(ls "$work"/out/Ombrix-*.zip 2>/dev/null)
[ -f "$archive" ] || { echo "FAIL: no archive"; exit 1; }
name=$(basename "$archive" .zip)

unzip -tq "$archive" >/dev/null || problem "the archive does not test clean"
{
  for p in "${programs[@]}"; do echo "$name/$p"; done
  printf '%s\n' "$name/Ombrix.chm" "$name/README-ja.txt" "$name/README-en.txt" "$name/LICENSE.txt"
} | LC_ALL=C sort >"$work/expected"
unzip -Z1 "$archive" | LC_ALL=C sort >"$work/listed"
diff -u "$work/expected" "$work/listed" || problem "the archive does not hold exactly the expected files"

unzip -q "$archive" -d "$work/x"
dir="$work/x/$name"
for text in README-ja.txt README-en.txt LICENSE.txt; do
  [ -f "$dir/$text" ] || continue
  if grep -q $'[^\r]$' "$dir/$text" || grep -q '^$' "$dir/$text"; then
    problem "$text has lines without CR LF"
  fi
done
iconv -f CP932 -t UTF-8 "$dir/README-ja.txt" >"$work/readme-ja" 2>/dev/null || problem "README-ja.txt is not Shift-JIS"
grep -q 'メニューエディタ' "$work/readme-ja" || problem "README-ja.txt was not converted from UTF-8"
for p in "${programs[@]}"; do
  grep -q "^  $p " "$work/readme-ja" || problem "README-ja.txt does not list $p"
  grep -q "^  $p " "$dir/README-en.txt" || problem "README-en.txt does not list $p"
  head -c 2 "$dir/$p" | grep -q '^MZ' || problem "$p is not a Windows program"
  LC_ALL=C grep -qaP 'Q\x00-\x00F\x00e\x00n\x00d\x00i\x00x\x00' "$dir/$p" ||
    problem "$p lost its version information"
done
grep -q '^■ メニューエディタ（Ombrixm.exe）' "$work/readme-ja" || problem "README-ja.txt does not describe the editor"
grep -q '^The menu editor (Ombrixm.exe)' "$dir/README-en.txt" || problem "README-en.txt does not describe the editor"
grep -q '@[A-Z]*@' "$work/readme-ja" "$dir/README-en.txt" && problem "a readme kept a placeholder"
grep -q 'Copyright (c) 2026 The Ombrix developers' "$dir/LICENSE.txt" || problem "LICENSE.txt lacks the copyright line"
grep -q '^MIT License' "$dir/LICENSE.txt" || problem "LICENSE.txt is not the MIT licence"
cmp -s "$dir/Ombrix.chm" "$build_dir/bin/Ombrix.chm" || problem "Ombrix.chm differs from the built one"

[ $fail -eq 0 ] && echo "package $name: $(wc -l <"$work/listed") files, all checks passed"
exit $fail
