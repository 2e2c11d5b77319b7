#!/usr/bin/env bash
# Prepares the build's own Wine prefix and Chinese locale: no crash dialog (a crashed test ends instead
# of freezing), a virtual desktop (so Wine reports a realistic list of display modes), one known face for
# every GUI font, and the drive letters that the search tests and the benchmark use.
#
# The face: Wine draws the default GUI font ("SimSun" in a code page 936 prefix, "MS Shell Dlg" in the
# dialogs), the captions and the message boxes ("Tahoma") with whatever fontconfig offers for a face it
# lacks, so text widths, and with them the verdicts of the tests that measure captions and the README's
# pictures, would change with the fonts a machine happens to have. Every one of these names is mapped to
# AR PL UMing CN (fonts-arphic-uming), a Song face of SimSun's metrics: what the tests measure models the
# SimSun of a Chinese Windows. The substitutes map the names; the replacements make "SimSun" itself a
# name of that face, for when Wine rewrites its own "MS Shell Dlg" substitute to "SimSun" (it does so
# when a program starts under another code page or DPI than the last one). Throwaway copies of the prefix
# (scripts/session.sh: the DPI and log-off tests, run.sh --dpi, the screenshots) inherit it.
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

face="AR PL UMing CN"
if ! fc-list "$face" family | grep -q .; then
  echo "wine-prefix: the font $face is missing (scripts/setup.sh installs fonts-arphic-uming)" >&2
  exit 1
fi
reg=$(mktemp --suffix=.reg)
trap 'rm -f "$reg"' EXIT
cat >"$reg" <<REG
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1280x1024"

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]
"MS Shell Dlg"="$face"
"MS Shell Dlg 2"="$face"
"SimSun"="$face"
"NSimSun"="$face"
"Tahoma"="$face"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"SimSun"="$face"
"NSimSun"="$face"
"Tahoma"="$face"
REG
# Imported again whenever these settings change (the prefix keeps a copy of what it was given).
if ! cmp -s "$reg" "$WINEPREFIX/.launcher-configured"; then
  wine regedit /S "$(winepath -w "$reg" 2>/dev/null)" >/dev/null 2>&1
  wineserver -w
  cp "$reg" "$WINEPREFIX/.launcher-configured"
fi
