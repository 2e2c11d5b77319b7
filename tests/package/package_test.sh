#!/usr/bin/env bash
# The player's package as scripts/package.sh makes it from the built launcher.exe:
# - made twice, it is the same bytes, and it is named after the project's version (as the README says);
# - unzip lists exactly launcher.exe, 说明.txt, SHA256SUMS, and every entry tests good;
# - the guide's name is stored as GBK bytes without the UTF-8 flag (what Windows Explorer reads) and
#   in an Info-ZIP Unicode Path field (what unzip read above); all entries carry one time, no attributes;
# - launcher.exe is the build's, 说明.txt is docs/guide-zh.txt in code page 936 with CR LF line ends,
#   and SHA256SUMS checks out.
#   package_test.sh <project version>        BUILD names the build folder
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
version=$1
BUILD=${BUILD:-$root/build}
export LC_ALL=C.UTF-8
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "package_test: FAILED: $*" >&2; exit 1; }

for run in first second; do
  DIST=$scratch/$run BUILD=$BUILD "$root/scripts/package.sh" --no-build >"$scratch/$run.log" ||
    { cat "$scratch/$run.log"; fail "scripts/package.sh failed"; }
done
zip=$scratch/first/launcher-$version.zip
[ -f "$zip" ] || fail "no launcher-$version.zip: $(ls "$scratch/first")"
cmp -s "$zip" "$scratch/second/launcher-$version.zip" || fail "two packages of the same build differ"
grep -qF "launcher-$version.zip" "$root/README.md" || fail "README.md does not name launcher-$version.zip"

listed=$(unzip -Z1 "$zip")
[ "$listed" = $'launcher.exe\n说明.txt\nSHA256SUMS' ] || fail "unzip lists: $listed"
unzip -tq "$zip" >/dev/null || fail "unzip -t"

python3 -X utf8 - "$zip" <<'PY' || fail "the stored names, times or attributes"
import struct, sys, zipfile, zlib
entries = zipfile.ZipFile(sys.argv[1]).infolist()
for e in entries:
    assert e.flag_bits & 0x800 == 0, f"{e.filename}: UTF-8 flag set"
    assert (e.date_time, e.external_attr, e.create_system) == (entries[0].date_time, 0, 0), e
guide = entries[1]
# The stored name, in the central directory (zipfile decodes it as code page 437 into orig_filename, while
# Python 3.13 puts the Unicode Path field's name into filename) and in the local header.
raw = guide.orig_filename.encode("cp437")
with open(sys.argv[1], "rb") as f:
    f.seek(guide.header_offset)
    local = f.read(30)
    local_name = f.read(struct.unpack("<H", local[26:28])[0])
assert raw == local_name == "说明.txt".encode("gbk"), (raw, local_name)
tag, size, field_version, crc = struct.unpack("<HHBI", guide.extra[:9])
assert (tag, size, field_version, crc) == (0x7075, len(guide.extra) - 4, 1, zlib.crc32(raw)), guide.extra
assert guide.extra[9:].decode("utf-8") == "说明.txt"
PY

mkdir "$scratch/out"
unzip -q "$zip" -d "$scratch/out"
cd "$scratch/out"
cmp -s launcher.exe "$BUILD/launcher.exe" || fail "launcher.exe is not the build's"
sha256sum --quiet -c SHA256SUMS || fail "SHA256SUMS does not check out"
iconv -f GBK -t UTF-8 说明.txt >"$scratch/guide.utf8" || fail "说明.txt is not code page 936"
lines=$(grep -c '' 说明.txt)
[ "$(grep -c $'\r$' 说明.txt)" = "$lines" ] || fail "说明.txt has a line without CR LF"
tr -d '\r' <"$scratch/guide.utf8" | cmp -s - "$root/docs/guide-zh.txt" || fail "说明.txt differs from docs/guide-zh.txt"
echo "package_test: passed ($(stat -c %s "$zip") bytes, $lines lines of guide)"
