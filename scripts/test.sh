#!/usr/bin/env bash
# The test command: installs what is missing, builds, prepares Wine, and runs every test under a
# virtual X display.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
scripts/wine-prefix.sh
. scripts/env.sh
cd "$BUILD"
status=0
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure -j1 "$@" || status=$?
wineserver -k 2>/dev/null || true
exit $status
