# Sourced by the scripts that run the launcher under display settings of their own (after env.sh, once
# scripts/wine-prefix.sh has prepared the build's prefix): a virtual display when there is none, and a
# throwaway copy of the build's Wine prefix whose settings are written before any program starts
# there. Wine reads them at a program's start; in the copy they never reach the tests' own prefix.
# Everything these functions start or copy is ended and removed when the script exits.

throwaway_copy=""
throwaway_copied=""
throwaway_xvfb=""
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
  [ -z "$throwaway_xvfb" ] || kill "$throwaway_xvfb" 2>/dev/null || true
}
trap throwaway_cleanup EXIT

# Starts Xvfb on a free display unless DISPLAY names one already.
virtual_display() {
  [ -z "${DISPLAY:-}" ] || return 0
  local n
  for n in $(seq 90 130); do [ -e "/tmp/.X11-unix/X$n" ] || break; done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  throwaway_xvfb=$!
  export DISPLAY=":$n"
  for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
}

# throwaway_prefix DPI [CAPTION_TWIPS]: a fresh copy of the build's prefix (an earlier copy is removed)
# with HKCU\Control Panel\Desktop LogPixels = DPI and, when given, ...\Desktop\WindowMetrics
# CaptionHeight = CAPTION_TWIPS (a REG_SZ: negative twips, 15 to a pixel at 96 DPI). WINEPREFIX names it.
throwaway_prefix() {
  throwaway_end_copy
  throwaway_copy=$(mktemp -d /tmp/launcher-prefix.XXXXXX)
  throwaway_copied=1
  cp -a "$throwaway_build_prefix" "$throwaway_copy/prefix"
  export WINEPREFIX=$throwaway_copy/prefix
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
  if [ -n "${2:-}" ]; then
    wine reg add 'HKCU\Control Panel\Desktop\WindowMetrics' /v CaptionHeight /t REG_SZ /d "$2" /f >/dev/null
  fi
  # Programs started from here on are the first to read the settings.
  wineserver -k
  wineserver -w
}
