# Sourced by the scripts that run the launcher on a display and under settings of their own (run.sh,
# screenshots.sh, and the tests tests/dpi_scaling/ and tests/log_off/), after env.sh, once
# scripts/wine-prefix.sh has prepared the build's prefix. Everything these functions start or copy is
# ended and removed when the script exits.
#   start_display       starts Xvfb on a display number it finds free and exports DISPLAY; stop_display
#                       ends it
#   virtual_display     start_display unless DISPLAY names a display already
#   stable_shot FILE X Y W H [MARGIN]
#                       saves that screen area (grown by MARGIN, default 20, on each side) as a PNG once
#                       two shots in a row are the same; fails if the area keeps changing for ~10 s. The PNG
#                       holds no time or other metadata, so the same picture gives the same bytes.
#   throwaway_prefix [DPI [CAPTION_TWIPS]]
#                       a throwaway copy of the build's Wine prefix, whose settings are written before any
#                       program starts there: Wine reads them at a program's start, and in the copy they
#                       never reach the tests' own prefix.
xvfb_pid=""
xvfb_fd=""

# Xvfb takes the first free display number itself (it holds that number's lock file) and writes it to
# the pipe once it listens: a display that another run's server holds is never taken for ours.
start_display() {
  local n
  exec {xvfb_fd}< <(exec Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null)
  xvfb_pid=$!
  if ! read -r -t 30 -u "$xvfb_fd" n || [ -z "$n" ]; then
    echo "Xvfb did not start" >&2
    stop_display
    return 1
  fi
  export DISPLAY=":$n"
}

virtual_display() { [ -n "${DISPLAY:-}" ] || start_display; }

stop_display() {
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
  [ -z "$xvfb_fd" ] || exec {xvfb_fd}<&-
  xvfb_pid=""
  xvfb_fd=""
}

stable_shot() {
  local file=$1 x=$2 y=$3 w=$4 h=$5 margin=${6:-20} prev="" sum
  local left=$((x - margin < 0 ? 0 : x - margin)) top=$((y - margin < 0 ? 0 : y - margin))
  for _ in $(seq 50); do
    import -window root -crop "$((w + 2 * margin))x$((h + 2 * margin))+$left+$top" +repage -strip \
      -define png:exclude-chunks=date,time "$file"
    sum=$(md5sum <"$file")
    [ "$sum" = "$prev" ] && return 0
    prev=$sum
    sleep 0.2
  done
  echo "the picture of $file kept changing" >&2
  return 1
}

# --- The throwaway prefix ---------------------------------------------------------------------------

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
