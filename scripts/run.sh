#!/bin/sh
# Installs what is missing, builds Lumiqa.exe and runs it under Wine, in a
# prefix of its own under build/. With a display the window opens for you.
# Without one the program runs under Xvfb in a Wine virtual desktop (so that
# Wine draws the frame and caption), with the Japanese fonts mapped; the key
# box's text is printed, a screenshot is written to docs/screenshot.png, and
# the program is closed, its exit code printed.
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh

preset=windows wine=/usr/lib/wine/wine arch=win32
if ! sh scripts/can-run-i386.sh; then
  echo "This CPU cannot run 32-bit x86 code: running the x86-64 build of the same sources." >&2
  preset=windows-x64 wine=/usr/lib/wine/wine64 arch=win64
fi
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target Lumiqa headless
build=build/$preset

export WINEARCH=$arch WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ -n "${DISPLAY:-}" ]; then
  export WINEPREFIX="$PWD/build/wine-run-$arch"
  [ -d "$WINEPREFIX" ] || "$wine" wineboot -i
  "$wine" "$build/headless.exe" fonts
  exec "$wine" "$build/Lumiqa.exe"
fi

export WINEPREFIX="$PWD/build/wine-headless-$arch"
if [ ! -d "$WINEPREFIX" ]; then
  "$wine" wineboot -i
  "$wine" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null
  "$wine" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 480x120 /f >/dev/null
  "$wine" "$build/headless.exe" fonts
  wineserver -w
fi
mkdir -p docs
xvfb-run -a -s "-screen 0 480x120x24" sh -c '
  set -eu
  "$1" "$2/Lumiqa.exe" & program=$!
  "$1" "$2/headless.exe" key "Z:$PWD/$2/key.txt"
  sleep 1
  import -window root -define png:exclude-chunks=date,time -strip docs/screenshot.png
  "$1" "$2/headless.exe" close
  status=0; wait $program || status=$?
  echo "key box: $(cat "$2/key.txt")"
  echo "screenshot: $PWD/docs/screenshot.png"
  echo "exit code: $status"
  wineserver -k 2>/dev/null || true
  exit $status
' sh "$wine" "$build"
