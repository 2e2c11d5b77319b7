#!/usr/bin/env bash
# Builds launcher.exe and runs it under Wine. On a machine without a display it runs on a virtual
# display instead, saves a screenshot of the window as build/screenshot.png, and closes the launcher.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh launcher window_tool
scripts/wine-prefix.sh
. scripts/env.sh
title="Vantor 多功能启动器"

if [ -n "${DISPLAY:-}" ] && [ "${1:-}" != "--screenshot" ]; then
  exec wine "$BUILD/launcher.exe"
fi

xvfb_pid=""
if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 90 130); do [ -e "/tmp/.X11-unix/X$n" ] || break; done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=":$n"
  for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
fi
cleanup() { wineserver -k 2>/dev/null || true; [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true; }
trap cleanup EXIT

wine "$BUILD/launcher.exe" &
launcher=$!
frame=$(wine "$BUILD/tools/window_tool.exe" wait "$title" 30000 | tr -d '\r') || { echo "the launcher's window did not appear" >&2; exit 1; }
read -r x y w h <<<"$frame"
# Let the window finish painting: wait until two screenshots in a row are the same.
shot="$BUILD/screenshot.png"
prev=""
for _ in $(seq 50); do
  import -window root -crop "$((w + 40))x$((h + 40))+$((x - 20 < 0 ? 0 : x - 20))+$((y - 20 < 0 ? 0 : y - 20))" +repage "$shot"
  sum=$(md5sum <"$shot")
  [ "$sum" = "$prev" ] && break
  prev=$sum
  sleep 0.2
done
wine "$BUILD/tools/window_tool.exe" close "$title" || true
wait "$launcher" || true
echo "screenshot: $shot"
