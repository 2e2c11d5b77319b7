#!/usr/bin/env bash
# The real log-off, judged from outside: under Wine it ends every process of the prefix, so it runs in
# a throwaway copy of the test prefix. The launcher is asked to switch the mouse curves and to log off
# at once; afterwards the driver must have been ended, no process of the copy may be left, and the
# copy's registry must hold the curves of the switch's direction. Needs a build and scripts/wine-prefix.sh first.
set -euo pipefail
. "$(dirname "$0")/env.sh"
. "$(dirname "$0")/throwaway-prefix.sh"
# Every Wine process of the copy runs under the one virtual display: a server started without one
# would leave the launcher's windows unseen.
virtual_display
throwaway_prefix
copy=$throwaway_copy
marks=$copy/marks.txt

status=0
LAUNCHER_THROWAWAY_PREFIX=1 LAUNCHER_EXE=$BUILD/launcher.exe LAUNCHER_LOGOFF_MARKS="Z:${marks//\//\\}" \
  timeout 120 wine "$BUILD/tests/e2e_tests.exe" --gtest_filter='LogOffInThrowawayPrefix.*' \
  >"$copy/driver.log" 2>&1 || status=$?

fail() {
  echo "logoff-test: FAILED: $*"
  cat "$copy/driver.log"
  cat "$marks" 2>/dev/null
  grep -A3 SmoothMouse "$copy/prefix/user.reg"
  exit 1
}
grep -qx clicked "$marks" 2>/dev/null || fail "the driver never pressed the switch"
grep -qx survived "$marks" && fail "the log-off did not end the driver"
# A process ended by the log-off leaves no summary of its run (and under Wine its status is 0).
grep -q '^\[==========\] 1 test.* ran' "$copy/driver.log" && fail "the driver ran to its end"
timeout 30 env WINEPREFIX="$copy/prefix" wineserver -w || fail "processes of the prefix are still running"
# The pair the switch's direction writes, as Wine saves binary values.
linearX=00,00,00,00,00,00,00,00,00,a0,00,00,00,00,00,00,00,40,01,00,00,00,00,00,00,80,02,00,00,00,00,00,00,00,05,00,00,00,00,00
linearY=00,00,00,00,00,00,00,00,66,a6,02,00,00,00,00,00,cd,4c,05,00,00,00,00,00,a0,99,0a,00,00,00,00,00,38,33,15,00,00,00,00,00
restoreX=00,00,00,00,00,00,00,00,15,6e,00,00,00,00,00,00,00,40,01,00,00,00,00,00,29,dc,03,00,00,00,00,00,00,00,28,00,00,00,00,00
# The restore writes the running system's defaults; Wine reports Windows 7, whose Y curve this is.
restoreY=00,00,00,00,00,00,00,00,fd,11,01,00,00,00,00,00,00,24,04,00,00,00,00,00,00,fc,12,00,00,00,00,00,00,c0,bb,01,00,00,00,00
if grep -qx restore "$marks"; then x=$restoreX y=$restoreY; else x=$linearX y=$linearY; fi
# Wine folds long values onto continuation lines ending in a backslash.
sed -e ':a' -e '/\\$/N; s/\\\n *//; ta' "$copy/prefix/user.reg" >"$copy/user.unfolded"
grep -qx "\"SmoothMouseXCurve\"=hex:$x" "$copy/user.unfolded" || fail "curve X was not stored"
grep -qx "\"SmoothMouseYCurve\"=hex:$y" "$copy/user.unfolded" || fail "curve Y was not stored"
echo "logoff-test: passed (the driver was ended mid-run, every process of the prefix is gone, the curves are stored)"
