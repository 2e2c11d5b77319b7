#!/usr/bin/env bash
# Configures and builds into build/: everything, or the targets named as arguments.
set -euo pipefail
. "$(dirname "$0")/env.sh"
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-mingw-i686.cmake" \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build "$BUILD" "${targets[@]}"
