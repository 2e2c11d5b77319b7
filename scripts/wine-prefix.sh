#!/usr/bin/env bash
# Prepares the build's own Wine prefix and Chinese locale: no crash dialog (a crashed test ends instead
# of freezing), a virtual desktop (so Wine reports a realistic list of display modes), and the drive
# letters that the search tests and the benchmark use.
set -euo pipefail
. "$(dirname "$0")/env.sh"

if [ ! -f "$LOCPATH/zh_CN.UTF-8/LC_CTYPE" ]; then
  mkdir -p "$LOCPATH"
  localedef -i zh_CN -f UTF-8 "$LOCPATH/zh_CN.UTF-8" 2>/dev/null || [ -f "$LOCPATH/zh_CN.UTF-8/LC_CTYPE" ]
  . "$(dirname "$0")/env.sh"  # again, now that the locale is there
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  wineserver -w
fi

if [ ! -f "$WINEPREFIX/.launcher-configured" ]; then
  reg=$(mktemp --suffix=.reg)
  cat >"$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1280x1024"
REG
  wine regedit /S "$(winepath -w "$reg" 2>/dev/null)" >/dev/null 2>&1
  wineserver -w
  rm -f "$reg"
  touch "$WINEPREFIX/.launcher-configured"
fi
