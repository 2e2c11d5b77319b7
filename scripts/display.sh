# Sourced by run.sh and screenshots.sh: a virtual X display of their own, and screenshots of a window
# once it has finished painting.
#   start_display       starts Xvfb on a display number it finds free and exports DISPLAY; stop_display
#                       ends it
#   virtual_display     start_display unless DISPLAY names a display already
#   stable_shot FILE X Y W H [MARGIN]
#                       saves that screen area (grown by MARGIN, default 20, on each side) as a PNG once
#                       two shots in a row are the same; fails if the area keeps changing for ~10 s. The PNG
#                       holds no time or other metadata, so the same picture gives the same bytes.
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
