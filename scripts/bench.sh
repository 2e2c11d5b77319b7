#!/usr/bin/env bash
# The drive search benchmark in one command: builds it, generates a tree of 20,000 files in 400 folders
# without any candidate, maps it to drive T: in the build's Wine prefix, and times a plain walk, the walk
# plus showing every path in another thread's edit box, and the launcher's own search.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh search_bench
scripts/wine-prefix.sh
. scripts/env.sh

tree="$BUILD/fixtures/bench-tree"
if [ ! -f "$tree/.complete" ]; then
  rm -rf "$tree"
  for top in $(seq -w 1 20); do
    for sub in $(seq -w 1 20); do
      dir="$tree/top$top/sub$sub"
      mkdir -p "$dir"
      (cd "$dir" && touch $(seq -f "file%02g.dat" 1 50))
    done
  done
  touch "$tree/.complete"
fi
link="$WINEPREFIX/dosdevices/t:"
ln -sfn "$tree" "$link"
trap 'rm -f "$link"' EXIT

echo "machine: $(nproc) x $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//'), $(wine --version)"
xvfb-run -a -s "-screen 0 1280x1024x24" wine "$BUILD/bench/search_bench.exe" T
