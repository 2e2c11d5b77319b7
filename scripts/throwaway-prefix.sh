# Sourced by the scripts that run the launcher under settings of their own (after env.sh, once
# scripts/wine-prefix.sh has prepared the build's prefix): a virtual display when there is none
# (display.sh), and a throwaway copy of the build's Wine prefix whose settings are written before any
# program starts there. Wine reads them at a program's start; in the copy they never reach the tests'
# own prefix. Everything these functions start or copy is ended and removed when the script exits.
. "$(dirname "${BASH_SOURCE[0]}")/display.sh"

throwaway_copy=""
throwaway_copied=""
throwaway_build_prefix=$WINEPREFIX

throwaway_end_copy() {
  [ -n "$throwaway_copy" ] || return 0
  WINEPREFIX=$throwaway_copy/prefix wineserver -k 2>/dev/null || true
  rm -rf "$throwaway_copy"
  throwaway_copy=""
}
throwaway_cleanup() {
  throwaway_end_copy
  # The build's own prefix only when the script ran its programs there (others may use it meanwhile).
  [ -n "$throwaway_copied" ] || WINEPREFIX=$throwaway_build_prefix wineserver -k 2>/dev/null || true
  stop_display
}
trap throwaway_cleanup EXIT

# throwaway_prefix [DPI [CAPTION_TWIPS]]: a fresh copy of the build's prefix (an earlier copy is
# removed); with a DPI, HKCU\Control Panel\Desktop LogPixels = DPI and, when given,
# ...\Desktop\WindowMetrics CaptionHeight = CAPTION_TWIPS (a REG_SZ: negative twips, 15 to a pixel at
# 96 DPI). WINEPREFIX names the copy.
throwaway_prefix() {
  throwaway_end_copy
  throwaway_copy=$(mktemp -d /tmp/launcher-prefix.XXXXXX)
  throwaway_copied=1
  cp -a "$throwaway_build_prefix" "$throwaway_copy/prefix"
  export WINEPREFIX=$throwaway_copy/prefix
  [ -n "${1:-}" ] || return 0
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
  if [ -n "${2:-}" ]; then
    wine reg add 'HKCU\Control Panel\Desktop\WindowMetrics' /v CaptionHeight /t REG_SZ /d "$2" /f >/dev/null
  fi
  # Programs started from here on are the first to read the settings.
  wineserver -k
  wineserver -w
}
