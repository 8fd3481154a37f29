#!/usr/bin/env bash
# The installer under Wine: a silent install into a chosen folder puts the
# programs, the help file and the texts there and makes the Start-menu and
# Startup shortcuts; a silent uninstall removes exactly those and leaves the
# user's settings file and menu files (and so the folder) alone.
# Runs on the Wine prefix of the test session.
#   check_installer.sh SOURCE_DIR BUILD_DIR WORK_DIR PROGRAM...
set -uo pipefail
source_dir=$1 build_dir=$2 work=$3
shift 3
programs=("$@")
source "$(dirname "$0")/release_checks.sh"

rm -rf "$work"
mkdir -p "$work"
pack "$source_dir" "$build_dir" "$work/out"
setup=$(ls "$work"/out/Ombrix-*-setup.exe 2>/dev/null)
[ -f "$setup" ] || { echo "FAIL: no installer was built"; exit 1; }

target="$work/target/Q-Fendix"
wine "$setup" /S "/D=$(win_path "$target")" >"$work/install.log" 2>&1 || problem "the silent install failed"
installed=(${programs[@]} Ombrix.chm README-ja.txt README-en.txt LICENSE.txt uninstall.exe)
for f in "${installed[@]}"; do
  [ -f "$target/$f" ] || problem "$f was not installed"
done
cmp -s "$target/Ombrix.chm" "$build_dir/bin/Ombrix.chm" || problem "the installed help file differs from the built one"

users="$WINEPREFIX/drive_c/users"
shortcut() { find "$users" -ipath "*$1" 2>/dev/null | head -1; }
menu_link=$(shortcut "/Programs/Q-Fendix/Q-Fendix.lnk")
startup_link=$(shortcut "/Programs/Startup/Q-Fendix.lnk")
[ -n "$menu_link" ] || problem "no Start-menu shortcut"
[ -n "$startup_link" ] || problem "no shortcut in the Startup folder"
[ -n "$startup_link" ] && ! LC_ALL=C grep -qa 'Ombrix.exe' "$startup_link" && problem "the Startup shortcut does not start Ombrix.exe"

# What the user made while using it.
mkdir -p "$target/work" "$target/service"
printf '[Main]\r\nIniVersion=10\r\nTrayNo=1\r\n' >"$target/Ombrix.ini"
printf 'POPUP Section1_l.txt\r\nBEGIN\r\nEND\r\n' >"$target/work/Section1_l.txt"
cp "$target/work/Section1_l.txt" "$target/work/Section1_l.txt.bak"
(cd "$target" && find Ombrix.ini work service -exec ls -ld --time-style=+%s {} + | awk '{print $1, $5, $6, $7}' |
  sort) >"$work/user_files.before"
(cd "$target" && md5sum Ombrix.ini work/*) >"$work/user_sums"

wine "$target/uninstall.exe" /S >"$work/uninstall.log" 2>&1 || problem "the silent uninstall failed to start"
# The uninstaller runs on from a copy of itself: wait for it to finish (the
# programs go first, the Startup shortcut last), as long as a busy machine
# needs.
for _ in $(seq 1 600); do
  [ -e "$target/uninstall.exe" ] || [ -n "$(shortcut "/Programs/Startup/Q-Fendix.lnk")" ] || break
  sleep 0.2
done
for f in "${installed[@]}"; do
  [ -e "$target/$f" ] && problem "$f is still there after the uninstall"
done
(cd "$target" 2>/dev/null && md5sum -c --quiet "$work/user_sums") || problem "the user's settings or menu files changed"
(cd "$target" && find Ombrix.ini work service -exec ls -ld --time-style=+%s {} + | awk '{print $1, $5, $6, $7}' |
  sort) >"$work/user_files.after" 2>/dev/null
diff -u "$work/user_files.before" "$work/user_files.after" || problem "the user's files or folders were touched"
[ -n "$(shortcut "/Programs/Q-Fendix/Q-Fendix.lnk")" ] && problem "the Start-menu shortcut is still there"
[ -n "$(shortcut "/Programs/Startup/Q-Fendix.lnk")" ] && problem "the Startup shortcut is still there"

[ $fail -eq 0 ] && echo "installer: silent install and uninstall; the user's files stayed"
exit $fail
