#!/usr/bin/env bash
# Draws the setup assistant's step-done mark (icon 168) into
# resources/setup/icons/ with ImageMagick: a green tick on a round badge at
# 16 x 16, where the dialog shows it, and doubled for 32 x 32. The .ico file
# is committed; run this again only to change it.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out="$top/resources/setup/icons"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"
draw="fill #2f7d32 circle 7.5,7.5 7.5,0.5 fill #43a047 circle 7.5,7.5 7.5,1.5 "
draw+="stroke #ffffff stroke-width 2 fill none polyline 4,8 7,11 12,5"
convert -size 16x16 xc:none -draw "$draw" "PNG32:$work/16.png"
convert "$work/16.png" -filter point -resize 32x32 "PNG32:$work/32.png"
convert "$work/16.png" "$work/32.png" "$out/step_done.ico"
