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

. scripts/display.sh
[ -n "${DISPLAY:-}" ] || start_display
cleanup() { wineserver -k 2>/dev/null || true; stop_display; }
trap cleanup EXIT

wine "$BUILD/launcher.exe" &
launcher=$!
frame=$(wine "$BUILD/tools/window_tool.exe" wait "$title" 30000 | tr -d '\r') || { echo "the launcher's window did not appear" >&2; exit 1; }
read -r x y w h <<<"$frame"
shot="$BUILD/screenshot.png"
stable_shot "$shot" "$x" "$y" "$w" "$h"
wine "$BUILD/tools/window_tool.exe" close "$title" || true
wait "$launcher" || true
echo "screenshot: $shot"
