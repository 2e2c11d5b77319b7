#!/usr/bin/env bash
# Installs what building and testing the launcher needs on Debian or Ubuntu (as root, or with sudo):
# the MinGW-w64 cross compiler, CMake, 32-bit Wine, Xvfb, Chinese fonts, ImageMagick and GoogleTest.
# Safe to run again: it installs only what is missing.
set -euo pipefail

need=(cmake ninja-build g++-mingw-w64-i686 wine wine32:i386 xvfb xauth fonts-wqy-microhei imagemagick
      googletest locales python3)
missing=()
for p in "${need[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if ((${#missing[@]})); then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO=sudo
  echo "installing: ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
  fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
