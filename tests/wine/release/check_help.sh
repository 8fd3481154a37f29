#!/usr/bin/env bash
# Lists the compiled help file back and checks it: exactly the expected
# files, every page in Shift-JIS with its charset declared and a title, every
# link and contents entry pointing at a page (and anchor) that exists, and
# the message texts, statements and settings keys the pages must explain.
# Every fixed piece of the resident's message texts (from its resource
# scripts) must stand in the page on error messages.
# Usage: check_help.sh Ombrix.chm help_pages.txt help_texts.txt [resource.rc...]
set -uo pipefail
chm=$1 pages=$2 texts=$3
shift 3
message_scripts=("$@")
source "$(dirname "$0")/release_checks.sh"

[ -s "$chm" ] || { echo "FAIL: no help file $chm"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The files a reader sees: normal files, without the chm's own bookkeeping.
enum_chmLib "$chm" | awk '$4 == "normal" && $5 == "file" { print $6 }' |
  sed 's|^/||' | grep -v '^_#_' | sort >"$work/listed"
if ! diff -u <(sort "$pages") "$work/listed"; then
  problem "the help file does not hold exactly the expected files"
fi

extract_chmLib "$chm" "$work/x" >/dev/null || problem "extract_chmLib failed"
for f in $(cat "$pages"); do
  raw="$work/x/$f"
  [ -f "$raw" ] || { problem "$f not extracted"; continue; }
  iconv -f CP932 -t UTF-8 "$raw" >"$work/$f.utf8" 2>/dev/null || problem "$f is not Shift-JIS"
  case $f in *.html)
    grep -q 'charset=Shift_JIS' "$raw" || problem "$f does not declare charset=Shift_JIS"
    grep -q '<title>[^<]' "$work/$f.utf8" || problem "$f has no title"
    ;;
  esac
done

# Links between pages and the contents entries.
for f in $(grep -E '\.(html|hhc|hhk)$' "$pages"); do
  [ -f "$work/$f.utf8" ] || continue
  grep -oE '(href|value)="[^"]*\.html(#[^"]*)?"' "$work/$f.utf8" | sed -E 's/^[a-z]+="//; s/"$//' |
  while read -r target; do
    page=${target%%#*}
    anchor=${target#"$page"}
    anchor=${anchor#\#}
    if [ ! -f "$work/$page.utf8" ]; then
      echo "FAIL: $f links to missing page $page"; echo x >>"$work/broken"
    elif [ -n "$anchor" ] && ! grep -q "id=\"$anchor\"" "$work/$page.utf8"; then
      echo "FAIL: $f links to missing anchor $target"; echo x >>"$work/broken"
    fi
  done
done
[ -f "$work/broken" ] && fail=1

# What the pages must explain.
while IFS=$'\t' read -r page text; do
  case $page in ''|'#'*) continue ;; esac
  grep -qF -- "$text" "$work/$page.utf8" 2>/dev/null || problem "$page does not contain: $text"
done <"$texts"

# The message texts as the resident shows them: the pieces between the
# inserted values and line breaks ("\\" is one backslash in a resource text).
for script in "${message_scripts[@]}"; do
  grep -hE '^[[:space:]]*IDS_(ERR|LAUNCH|REASON)_' "$script" | sed -E 's/^[^"]*"(.*)"[[:space:]]*$/\1/' |
    sed -e 's/\\\\/\x01/g' -e 's/\\n/\n/g' -e 's/%[sd]/\n/g' -e 's/\x01/\\/g' | grep -v '^$' >>"$work/fragments"
done
if [ ${#message_scripts[@]} -gt 0 ] && [ ! -s "$work/fragments" ]; then
  problem "no message texts found in ${message_scripts[*]}"
fi
while IFS= read -r fragment; do
  grep -qF -- "$fragment" "$work/errors.html.utf8" || problem "errors.html does not show the message text: $fragment"
done < <(cat "$work/fragments" 2>/dev/null)

# A Japanese help file: language 0x411 in the system header.
od -An -tx1 -v "$work/x/#SYSTEM" 2>/dev/null | tr -d ' \n' | grep -q '11040000' ||
  problem "the help file is not marked as Japanese (LCID 0x411)"

count=$(wc -l <"$work/listed")
if [ $fail -eq 0 ]; then echo "help file: $count files, all checks passed"; fi
exit $fail
