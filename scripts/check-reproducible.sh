#!/usr/bin/env bash
# Proves that the release exe is reproducible: the sources (what git tracks, and new files it does not
# ignore) are copied into two folders of different names and depths, launcher.exe is built in each
# (Release, the launcher target only) under different time zones, umasks and locales (C and C.UTF-8),
# and the SHA-256 sums must be the same. A difference fails, and the first differing bytes are shown.
# The copies stay in build/reproducible/ with their files' times, so a second run only rebuilds what
# changed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
. scripts/env.sh

work=$BUILD/reproducible
one=$work/one/src
two=$work/second-place/deeper/checkout

copy_sources() {
  rm -rf "$1"
  mkdir -p "$1"
  git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
    xargs -0 cp -p --parents -t "$1"
}

# build <source folder> <build folder> <time zone> <umask> <locale>
build() {
  (
    umask "$4"
    export TZ=$3 LC_ALL=$5
    [ -z "$(locale 2>&1 >/dev/null)" ] || { echo "check-reproducible: no locale $5" >&2; exit 1; }
    cmake -S "$1" -B "$2" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$1/cmake/toolchain-mingw-i686.cmake" \
          -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$2" --target launcher >/dev/null
  )
}

copy_sources "$one"
copy_sources "$two"
build "$one" "$work/one/build" UTC 022 C
build "$two" "$work/second-place/out-of-the-way" Asia/Shanghai 077 C.UTF-8

a=$work/one/build/launcher.exe
b=$work/second-place/out-of-the-way/launcher.exe
sum_a=$(sha256sum <"$a" | cut -d' ' -f1)
sum_b=$(sha256sum <"$b" | cut -d' ' -f1)
echo "$sum_a  $a"
echo "$sum_b  $b"
if [ "$sum_a" != "$sum_b" ]; then
  echo "check-reproducible: FAILED: two builds of the same sources differ (offset, octal bytes):" >&2
  cmp -l "$a" "$b" | head -20 >&2 || true
  exit 1
fi
echo "check-reproducible: passed: launcher.exe is the same in both folders ($(stat -c %s "$a") bytes)"
