#!/usr/bin/env bash
# Makes what a player downloads, dist/launcher-<version>.zip (the version is project()'s in
# CMakeLists.txt), holding:
#   launcher.exe  the release build (the same bytes from any checkout: scripts/check-reproducible.sh)
#   说明.txt      the player's guide: docs/guide-zh.txt in code page 936 with CR LF line ends, so that
#                 Notepad on a Chinese Windows shows it right
#   SHA256SUMS    the SHA-256 of both, as sha256sum writes them (UTF-8 names, CR LF line ends)
# Entries, order, times (the commit's time, or SOURCE_DATE_EPOCH) and attributes are fixed
# (scripts/make_zip.py), so packaging the same commit again gives the same zip.
#   scripts/package.sh              builds launcher.exe (Release) first
#   scripts/package.sh --no-build   packages the launcher.exe already in the build folder
# DIST names another folder for the zip (default: dist/).
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" != "--no-build" ]; then
  scripts/setup.sh
  scripts/build.sh launcher
fi
. scripts/env.sh
export LC_ALL=C.UTF-8  # the build's private Chinese locale is for Wine; the tools here work on bytes

version=$(cat "$BUILD/generated/version.txt")
dist=${DIST:-$ROOT/dist}
guide=docs/guide-zh.txt
guide_name=说明.txt
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct) || { echo "package: no commit to take the time from" >&2; exit 1; }
fi

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$BUILD/launcher.exe" "$stage/launcher.exe"
if grep -q $'\r' "$guide"; then
  echo "package: $guide must have LF line ends (CR LF is added when packaging)" >&2
  exit 1
fi
if ! iconv -f UTF-8 -t GBK "$guide" >/dev/null; then
  echo "package: $guide does not convert to code page 936 (GBK) at the byte position iconv names" >&2
  exit 1
fi
sed 's/$/\r/' "$guide" | iconv -f UTF-8 -t GBK >"$stage/$guide_name"
(cd "$stage" && sha256sum launcher.exe "$guide_name" | sed 's/$/\r/' >SHA256SUMS)

mkdir -p "$dist"
zip=$dist/launcher-$version.zip
python3 -X utf8 scripts/make_zip.py "$zip.part" "$SOURCE_DATE_EPOCH" launcher.exe="$stage/launcher.exe" \
  "$guide_name=$stage/$guide_name" SHA256SUMS="$stage/SHA256SUMS"
mv "$zip.part" "$zip"
tr -d '\r' <"$stage/SHA256SUMS"
echo "package: $zip ($(stat -c %s "$zip") bytes, sha256 $(sha256sum <"$zip" | cut -d' ' -f1))"
