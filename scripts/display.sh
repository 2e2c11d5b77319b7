# Sourced by run.sh and screenshots.sh: a virtual X display of their own, and screenshots of a window
# once it has finished painting.
#   start_display       starts Xvfb on a free display number and exports DISPLAY; stop_display ends it
#   virtual_display     start_display unless DISPLAY names a display already
#   stable_shot FILE X Y W H [MARGIN]
#                       saves that screen area (grown by MARGIN, default 20, on each side) as a PNG once
#                       two shots in a row are the same; fails if the area keeps changing for ~10 s. The PNG
#                       holds no time or other metadata, so the same picture gives the same bytes.
xvfb_pid=""

start_display() {
  local n
  for n in $(seq 90 130); do [ -e "/tmp/.X11-unix/X$n" ] || break; done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=":$n"
  for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$n" ] && return 0; sleep 0.1; done
  echo "Xvfb did not start on :$n" >&2
  return 1
}

virtual_display() { [ -n "${DISPLAY:-}" ] || start_display; }

stop_display() {
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=""
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
