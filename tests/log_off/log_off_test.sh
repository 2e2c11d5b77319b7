#!/usr/bin/env bash
# The real log-off, judged from outside, in throwaway copies of the test prefix (a log-off reaches every
# program of a prefix). The launcher is asked to switch the mouse curves and to log off at once, while
# another program of the session runs (tests/fakes/fake_editor.cpp):
#   1. a program with unsaved work, whose window refuses to end the session: it must be asked, and it
#      must still run once the log-off is over, and so must the launcher, showing the curves it wrote;
#   2. a program that agrees: the log-off must end it and the launcher, and the copy's registry must
#      hold the curves of the switch's direction.
# Under Wine a log-off that asks the programs ends only those with windows (Wine has no session to end;
# Windows would end every process), so the second case is judged by the agreeing program and the
# launcher, not by every process of the prefix. Needs a build and scripts/wine-prefix.sh first.
set -euo pipefail
. "$(dirname "$0")/../../scripts/env.sh"
. "$ROOT/scripts/session.sh"
# Every Wine process of the copy runs under the one virtual display: a server started without one
# would leave the launcher's windows unseen.
virtual_display

fail() {
  echo "log_off: FAILED: $*"
  cat "$throwaway_copy/driver.log" "$marks" "$record" 2>/dev/null
  exit 1
}
# wait_for FILE LINE: until the file holds that line, for at most three minutes (the first program of
# a fresh copy starts its Wine server and services first, and a loaded machine is slow at it).
wait_for() {
  for _ in $(seq 1800); do
    grep -qx "$2" "$1" 2>/dev/null && return 0
    sleep 0.1
  done
  return 1
}
running() { [ -d "/proc/$1" ] && ! grep -q '^State:[[:space:]]*Z' "/proc/$1/status" 2>/dev/null; }

# session refuse|agree: a fresh copy, the other program up with its window, then the driver started
# in the background (it leaves its marks in $marks).
session() {
  throwaway_prefix
  marks=$throwaway_copy/marks.txt
  record=$throwaway_copy/editor.txt
  wine "$BUILD/tests/fake_editor.exe" "$1" "Z:${record//\//\\}" >/dev/null 2>&1 &
  editor=$!
  wait_for "$record" ready || fail "the other program did not start"
  refuser=""  # the driver watches a refusing program's record
  if [ "$1" = refuse ]; then refuser="Z:${record//\//\\}"; fi
  LAUNCHER_LOGOFF_REFUSER=$refuser LAUNCHER_THROWAWAY_PREFIX=1 LAUNCHER_EXE=$BUILD/launcher.exe \
    LAUNCHER_LOGOFF_MARKS="Z:${marks//\//\\}" \
    timeout 600 wine "$BUILD/tests/e2e_tests.exe" --gtest_filter='LogOffInThrowawayPrefix.*' \
    >"$throwaway_copy/driver.log" 2>&1 &
  driver=$!
}

session refuse
wait_for "$marks" clicked || fail "the driver never pressed the switch"
wait_for "$record" asked || fail "the program with unsaved work was not asked"
# A refused log-off is over once the asked programs are told it is cancelled.
wait_for "$record" cancelled || fail "the log-off was not cancelled"
running "$editor" || fail "the program with unsaved work was ended"
grep -qx ended "$record" && fail "the program with unsaved work was told the session ends"
wait "$driver" || true
grep -qx "new state shown" "$marks" || fail "after the refused log-off the launcher did not show the curves it wrote"

session agree
wait "$driver" || true
grep -qx clicked "$marks" || fail "the driver never pressed the switch"
grep -qx asked "$record" || fail "the agreeing program was not asked"
timeout 180 tail --pid="$editor" -f /dev/null || fail "the agreeing program still runs"
grep -qx "launcher ended" "$marks" || fail "the log-off did not end the launcher"
# The registry is saved when the copy's server ends.
WINEPREFIX=$throwaway_copy/prefix wineserver -k 2>/dev/null || true
timeout 180 env WINEPREFIX="$throwaway_copy/prefix" wineserver -w || fail "the copy's server did not end"
# The pair the switch's direction writes, as Wine saves binary values.
linearX=00,00,00,00,00,00,00,00,00,a0,00,00,00,00,00,00,00,40,01,00,00,00,00,00,00,80,02,00,00,00,00,00,00,00,05,00,00,00,00,00
linearY=00,00,00,00,00,00,00,00,66,a6,02,00,00,00,00,00,cd,4c,05,00,00,00,00,00,a0,99,0a,00,00,00,00,00,38,33,15,00,00,00,00,00
defaultX=00,00,00,00,00,00,00,00,15,6e,00,00,00,00,00,00,00,40,01,00,00,00,00,00,29,dc,03,00,00,00,00,00,00,00,28,00,00,00,00,00
# The restore writes the running system's defaults; Wine reports Windows 7, whose Y curve this is.
windows7Y=00,00,00,00,00,00,00,00,fd,11,01,00,00,00,00,00,00,24,04,00,00,00,00,00,00,fc,12,00,00,00,00,00,00,c0,bb,01,00,00,00,00
if grep -qx restore "$marks"; then x=$defaultX y=$windows7Y; else x=$linearX y=$linearY; fi
# Wine folds long values onto continuation lines ending in a backslash.
sed -e ':a' -e '/\\$/N; s/\\\n *//; ta' "$throwaway_copy/prefix/user.reg" >"$throwaway_copy/user.unfolded"
grep -qx "\"SmoothMouseXCurve\"=hex:$x" "$throwaway_copy/user.unfolded" || fail "curve X was not stored"
grep -qx "\"SmoothMouseYCurve\"=hex:$y" "$throwaway_copy/user.unfolded" || fail "curve Y was not stored"
echo "log_off: passed (a program that refused was asked and runs on, and the launcher shows the curves it" \
  "wrote; in a plain session the launcher" \
  "and an agreeing program were ended, the curves are stored)"
