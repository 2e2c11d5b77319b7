#!/usr/bin/env bash
# Runs one test group's executable under Wine within a time limit (WINEPREFIX set):
#   run-group.sh LIMIT_SECONDS EXE [ARGS...]
# A group that overruns its limit is ended with a message naming the test that was running (which the
# test executable keeps in EXE.current-test), and the prefix's wineserver is ended too: a server that
# hangs would otherwise block every later Wine process of the prefix. The next group starts a new one.
set -uo pipefail
limit=$1 exe=$2
shift 2
current="$exe.current-test"
rm -f "$current"

# The group in a process group of its own (timeout's), ended as a whole: TERM, then KILL 10 s later.
timeout --kill-after=10 "$limit" wine "$exe" "$@"
status=$?
((status == 124 || status == 137)) || exit $status

running=$([ -f "$current" ] && tr -d '\r' <"$current")
echo "$(basename "$exe" .exe): over its limit of $limit s while running ${running:-no test (before the first)};" \
     "ending the wineserver of $WINEPREFIX" >&2
rm -f "$current"

# The prefix's server is the wineserver whose working folder is server-<device>-<inode> of the prefix
# (in hex). It is asked to end first; one that does not answer (busy in a loop) is killed.
server_dir=$(printf 'server-%x-%x' "$(stat -c %d "$WINEPREFIX")" "$(stat -c %i "$WINEPREFIX")")
servers() {
  local p comm cwd
  for p in /proc/[0-9]*; do
    read -r comm 2>/dev/null <"$p/comm" || continue
    [[ $comm == wineserver* ]] || continue
    cwd=$(readlink "$p/cwd" 2>/dev/null) && [ "${cwd##*/}" = "$server_dir" ] && echo "${p#/proc/}"
  done
}
# What the server does tells a hang of Wine's from one of the program's: a server busy in a loop, or an
# idle one while the test's threads wait for each other. A backtrace follows where gdb is installed.
cpu_ticks() {
  local f
  read -r -a f 2>/dev/null <"/proc/$1/stat" && echo $((f[13] + f[14]))
}
for pid in $(servers); do
  before=$(cpu_ticks "$pid") && sleep 1 && after=$(cpu_ticks "$pid") || continue
  echo "its wineserver (pid $pid) used $(((after - before) * 100 / $(getconf CLK_TCK)))% of a CPU in the last second" >&2
  if command -v gdb >/dev/null; then
    timeout 20 gdb -p "$pid" -batch -ex bt 2>/dev/null | grep '^#' >&2
  fi
done

timeout 10 wineserver -k 2>/dev/null
for pid in $(servers); do
  echo "the wineserver (pid $pid) did not end when asked: killing it" >&2
  kill -KILL "$pid" 2>/dev/null
done
for _ in $(seq 50); do
  [ -z "$(servers)" ] && break
  sleep 0.2
done
exit 1
