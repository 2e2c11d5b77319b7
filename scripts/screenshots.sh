#!/usr/bin/env bash
# Takes the README's pictures on a virtual X display, in a Wine desktop (Wine draws the window frames):
#   docs/main-window.png    MainWindow of a launcher kept in the game's folder, with its settings saved
#                           and mouse acceleration switched off
#   docs/search-window.png  SearchWindow during a walk of drive C:, held still for the picture
# Everything runs in a throwaway copy of the build's Wine prefix, so the prefix the tests use is not
# touched.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --screenshots
scripts/build.sh launcher window_tool
scripts/wine-prefix.sh
. scripts/env.sh
. scripts/session.sh

main_title="Vantor 多功能启动器"
search_title="搜索CS文件所在位置"
tool() { wine "$BUILD/tools/window_tool.exe" "$@" | tr -d '\r'; }

throwaway_prefix
# Without Marlett the caption buttons show letters; Wine finds it in the prefix's Fonts folder.
cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
start_display

# The switched-off pair of mouse curves, as the launcher writes it.
reg=$WINEPREFIX/curves.reg
cat >"$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Control Panel\Mouse]
"SmoothMouseXCurve"=hex:00,00,00,00,00,00,00,00,00,a0,00,00,00,00,00,00,00,40,01,00,00,00,00,00,00,80,02,00,00,00,00,00,00,00,05,00,00,00,00,00
"SmoothMouseYCurve"=hex:00,00,00,00,00,00,00,00,66,a6,02,00,00,00,00,00,cd,4c,05,00,00,00,00,00,a0,99,0a,00,00,00,00,00,38,33,15,00,00,00,00,00
REG
wine regedit /S "$(winepath -w "$reg" 2>/dev/null)" >/dev/null 2>&1

# The launcher in the game's folder, with the settings a player saved: 800x600 (position 7 of the list a Wine
# desktop gives), 60 Hz, 32bpp, two mouse switches.
game=$WINEPREFIX/drive_c/Games/Counter-Strike
mkdir -p "$game"
cp "$BUILD/launcher.exe" "$game/"
printf '%s\r\n' '[参数设置]' 'CS路径=C:\Games\Counter-Strike\hl.exe' '分辨率=7' '刷新率=0' '颜色质量=1' \
  '-noforcemaccel=真' '-noforcemparms=真' '-noforcemspd=假' | iconv -f UTF-8 -t GBK >"$game/option.ini"

# Started from its folder, so C: is the search window's drive.
(cd "$game" && exec wine explorer /desktop=Default,800x600 'C:\Games\Counter-Strike\launcher.exe' 2>/dev/null) &
frame=$(tool wait "$main_title" 30000) || { echo "MainWindow did not appear" >&2; exit 1; }
read -r x y w h <<<"$frame"
stable_shot docs/main-window.png "$x" "$y" "$w" "$h"

tool click "$main_title" "搜索"
tool wait "$search_title" 30000 >/dev/null || { echo "SearchWindow did not appear" >&2; exit 1; }
tool click "$search_title" "搜索"
tool wait-text "$search_title" 'C:\windows\' 60000 || { echo "the walk did not reach C:\\windows" >&2; exit 1; }
tool freeze "$search_title"
# SearchWindow stands in front of MainWindow, which frames the picture.
stable_shot docs/search-window.png "$x" "$y" "$w" "$h"
echo "screenshots: docs/main-window.png docs/search-window.png"
