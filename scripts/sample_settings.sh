#!/usr/bin/env bash
# Writes a small settings file and two menu files into folder $1, for running
# the resident where the setup assistant has not prepared the folder.
set -euo pipefail
dir=$1
mkdir -p "$dir/work"
to_sjis() { iconv -f UTF-8 -t CP932 | sed 's/$/\r/'; }
to_sjis > "$dir/Ombrix.ini" <<'INI'
[Main]
TrayNo=3
MenuAutoHide=3000
IniVersion=10
[Section1]
Flags=3
Desc=カレンダー
MenuPath_L=cal_l.txt
Opt_L=327680
[Section2]
Flags=0
Desc=プログラム
MenuPath_L=prog_l.txt
Opt_L=458752
[Section3]
Flags=2
Desc=設定
Opt_R=327680
INI
to_sjis > "$dir/work/prog_l.txt" <<'MENU'
; メニュー用定義ファイル
POPUP prog_l.txt
BEGIN
    STATIC プログラム,,,,0
    MENUITEM C:\windows\notepad.exe,メモ帳
    MENUITEM C:\windows\regedit.exe,レジストリ エディタ
    SEPARATOR フォルダ
    MENUITEM C:\windows,Windows フォルダ,,,0,SHOWFOLDER,1
    POPUP その他
    BEGIN
        MENUITEM C:\windows\system32\winver.exe,バージョン
    END
END
MENU
cp "$dir/work/prog_l.txt" "$dir/work/cal_l.txt"
