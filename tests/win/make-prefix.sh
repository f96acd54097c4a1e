#!/bin/sh
# Makes the tests' own Wine prefix from scratch; WINEPREFIX, WINEARCH and
# LUMIQA_WINE come from the test environment.
set -eu
case "$WINEPREFIX" in */build/*) ;; *) echo "refusing to touch $WINEPREFIX" >&2; exit 1 ;; esac
rm -rf "$WINEPREFIX"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$LUMIQA_WINE" wineboot -i
wineserver -w
