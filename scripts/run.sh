#!/usr/bin/env bash
# Builds launcher.exe and runs it under Wine. On a machine without a display it runs on a virtual
# display instead, saves a screenshot of the window as build/screenshot.png, and closes the launcher.
#   --screenshot   take the screenshot (and close the launcher) even when there is a display
#   --dpi N        run at N DPI (120 is 125 % display scaling, 144 is 150 %) in a throwaway copy of the
#                  build's Wine prefix; the screenshot is then build/screenshot-N-dpi.png
set -euo pipefail
cd "$(dirname "$0")/.."
screenshot=""
dpi=""
while (($#)); do
  case $1 in
    --screenshot) screenshot=1 ;;
    --dpi) dpi=${2:?--dpi needs a number}; shift ;;
    *) echo "usage: scripts/run.sh [--screenshot] [--dpi N]" >&2; exit 2 ;;
  esac
  shift
done
scripts/setup.sh
scripts/build.sh launcher window_tool
scripts/wine-prefix.sh
. scripts/env.sh
. scripts/session.sh
title="Vantor 多功能启动器"

[ -n "${DISPLAY:-}" ] || screenshot=1
virtual_display
[ -z "$dpi" ] || throwaway_prefix "$dpi"
if [ -z "$screenshot" ]; then
  wine "$BUILD/launcher.exe"
  exit 0
fi

wine "$BUILD/launcher.exe" &
launcher=$!
frame=$(wine "$BUILD/tools/window_tool.exe" wait "$title" 30000 | tr -d '\r') || { echo "the launcher's window did not appear" >&2; exit 1; }
read -r x y w h <<<"$frame"
shot="$BUILD/screenshot${dpi:+-$dpi-dpi}.png"
stable_shot "$shot" "$x" "$y" "$w" "$h"
wine "$BUILD/tools/window_tool.exe" close "$title" || true
wait "$launcher" || true
echo "screenshot: $shot"
