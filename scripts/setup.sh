#!/usr/bin/env bash
# Installs what building and testing the launcher needs on Debian or Ubuntu (as root, or with sudo):
# the MinGW-w64 cross compiler and the native one, CMake, 32-bit Wine, Xvfb, Chinese fonts, ImageMagick
# and GoogleTest, and for the release: git, Python 3 and unzip.
# Safe to run again: it installs only what is missing.
#   scripts/setup.sh --screenshots   also Wine's own fonts: screenshots.sh takes Marlett (the caption
#                                    buttons' glyphs) into its own prefix; the tests' prefix has none
set -euo pipefail

need=(cmake ninja-build g++ g++-mingw-w64-i686 wine wine32:i386 xvfb xauth fonts-wqy-microhei imagemagick
      fonts-arphic-uming googletest locales python3 git unzip)
[ "${1:-}" != "--screenshots" ] || need+=(fonts-wine)
missing=()
for p in "${need[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
here=$(dirname "$0")

# A kernel without IA-32 emulation runs 32-bit Wine only through QEMU (scripts/i386-emulation.sh):
# QEMU 8 or later, which Debian 12 has in bookworm-backports (added to apt's sources for this; its
# packages are installed only when asked for by name).
emulate() {
  "$here/i386-emulation.sh" --check && return
  local release qemu_from=()
  release=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
  if [ "$release" = bookworm ]; then
    if ! grep -rqs '^[^#]*bookworm-backports' /etc/apt/sources.list /etc/apt/sources.list.d/; then
      echo 'deb http://deb.debian.org/debian bookworm-backports main' |
        $SUDO tee /etc/apt/sources.list.d/bookworm-backports.list >/dev/null
      $SUDO apt-get update -qq || true
    fi
    qemu_from=(-t bookworm-backports)
  fi
  "${install[@]}" "${qemu_from[@]}" qemu-user
  "${install[@]}" wine64
  "$here/i386-emulation.sh"
}
install=($SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends)
if ((${#missing[@]} == 0)); then
  emulate
  exit 0
fi
echo "installing: ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
# A mirror in the middle of a sync can fail one index (seen: the i386 security index); what was
# fetched is still used, and the install below copes with the missing index.
for attempt in 1 2 3; do
  $SUDO apt-get update -qq && break
  echo "apt-get update failed (attempt $attempt)" >&2
  sleep $((attempt * 5))
done
if ! "${install[@]}" "${missing[@]}"; then
  # 32-bit libraries must carry the very version of their 64-bit twins. Without the i386 security
  # index the two architectures' newest versions differ, and apt finds no solution; preferring the
  # main archive's versions for this one install gives both architectures the same ones.
  prefs=$(mktemp -d)
  printf 'Package: *\nPin: release l=Debian-Security\nPin-Priority: 100\n' >"$prefs/security-low"
  chmod -R a+rX "$prefs"
  "${install[@]}" -o Dir::Etc::PreferencesParts="$prefs" "${missing[@]}"
  rm -rf "$prefs"
fi
emulate
