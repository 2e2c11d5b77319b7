#!/usr/bin/env bash
# The test command: installs what is missing, builds, and runs every test. First the pure logic's unit
# tests and the include check, natively on this machine (seconds); then everything under Wine on a
# virtual X display, the unit tests again among them.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
. scripts/env.sh
cmake -S "$ROOT" -B "$HOST_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$HOST_BUILD"
(cd "$HOST_BUILD" && ctest --output-on-failure)

scripts/build.sh
scripts/wine-prefix.sh
cd "$BUILD"
status=0
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure -j1 "$@" || status=$?
wineserver -k 2>/dev/null || true
exit $status
