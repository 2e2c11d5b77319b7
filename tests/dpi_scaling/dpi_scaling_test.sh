#!/usr/bin/env bash
# The launcher's windows at the display scalings that players use: for each setting, a throwaway copy of
# the test prefix gets it before anything starts there, and every test of the e2e and ui programs whose
# name ends in AtTheSystemDpi runs in it (each says so where it stands): the driver that starts the real
# launcher.exe and checks both windows from outside (e2e), and MainWindow's icons at the system's icon
# sizes (ui, which carries the launcher's resources: Wine keeps an icon's pixels in the process that made
# it, so a driver cannot read them from outside). A program without such a test fails the run, so that a
# renamed test is not left out unseen. Needs a build and scripts/wine-prefix.sh first.
set -euo pipefail
. "$(dirname "$0")/../../scripts/env.sh"
. "$ROOT/scripts/session.sh"
virtual_display

status=0
check() {  # what it models, DPI, [caption height in twips]
  echo "dpi_scaling: $1: LogPixels $2${3:+, CaptionHeight $3}"
  throwaway_prefix "$2" "${3:-}"
  local program log
  for program in e2e_tests ui_tests; do
    log=$throwaway_copy/$program.log
    LAUNCHER_EXPECTED_DPI=$2 LAUNCHER_EXE=$BUILD/launcher.exe timeout 120 \
      wine "$BUILD/tests/$program.exe" --gtest_filter='*AtTheSystemDpi' --gtest_color=no 2>&1 | tee "$log" || status=1
    grep -qE '^\[=+\] [1-9][0-9]* tests? from' "$log" || { echo "dpi_scaling: $program ran no test"; status=1; }
  done
}
check "100 %" 96
check "125 %, Windows 7's usual setting on a laptop" 120
check "150 %, Windows 10 and 11's usual setting on a laptop" 144
check "150 % with Windows 10's caption (23 px at 100 %; Wine's own is 19)" 144 -330
if [ $status -eq 0 ]; then echo "dpi_scaling: passed"; else echo "dpi_scaling: FAILED"; fi
exit $status
