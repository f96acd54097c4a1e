#!/bin/sh
# Makes the tests' own Wine prefix from scratch; WINEPREFIX, WINEARCH and
# LUMIQA_WINE come from the test environment.
set -eu
case "$WINEPREFIX" in */build/*) ;; *) echo "refusing to touch $WINEPREFIX" >&2; exit 1 ;; esac
rm -rf "$WINEPREFIX"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$LUMIQA_WINE" wineboot -i
# Every window inside one virtual desktop of fixed size: Wine draws the frames
# itself and places windows exactly where they are asked, with no X window
# manager to wait for.
"$LUMIQA_WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f
"$LUMIQA_WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f
wineserver -w
