#!/usr/bin/env bash
# The launcher's windows at the display scalings that players use, judged from outside: for each
# setting, a throwaway copy of the test prefix gets it before anything starts there, and the driver
# (e2e_tests.exe, ScaledLayout.*) starts the real launcher.exe in it and checks both windows. There too
# MainWindow's icons are checked at the system's icon sizes (ui_tests.exe, which carries the launcher's
# resources: Wine keeps an icon's pixels in the process that made it, so a driver cannot read them from
# outside). Needs a build and scripts/wine-prefix.sh first.
set -euo pipefail
. "$(dirname "$0")/env.sh"
. "$(dirname "$0")/throwaway-prefix.sh"
virtual_display

status=0
check() {  # what it models, DPI, [caption height in twips]
  echo "dpi-test: $1: LogPixels $2${3:+, CaptionHeight $3}"
  throwaway_prefix "$2" "${3:-}"
  LAUNCHER_EXPECTED_DPI=$2 LAUNCHER_EXE=$BUILD/launcher.exe timeout 120 \
    wine "$BUILD/tests/e2e_tests.exe" --gtest_filter='ScaledLayout.*' --gtest_color=no || status=1
  timeout 120 wine "$BUILD/tests/ui_tests.exe" --gtest_filter='MainWindowLayout.Icons*' --gtest_color=no || status=1
}
check "100 %" 96
check "125 %, Windows 7's usual setting on a laptop" 120
check "150 %, Windows 10 and 11's usual setting on a laptop" 144
check "150 % with Windows 10's caption (23 px at 100 %; Wine's own is 19)" 144 -330
if [ $status -eq 0 ]; then echo "dpi-test: passed"; else echo "dpi-test: FAILED"; fi
exit $status
