# Sourced by the other scripts: the build folder, and the environment Wine runs the launcher in.
# Wine takes its ANSI code page from the locale: zh_CN.UTF-8 gives code page 936. The locale is
# generated into the build folder, so it needs no change to the system.
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${BUILD:-$ROOT/build}
HOST_BUILD=${HOST_BUILD:-$ROOT/build-host}  # the pure logic built for this machine
export WINEPREFIX=$BUILD/wineprefix
export WINEDEBUG=-all
export WINEARCH=win32  # the launcher is 32-bit; also where wine64 is installed (i386-emulation.sh)
export WINEDLLOVERRIDES="mscoree,mshtml="
export LOCPATH=$BUILD/locale
{ export LC_ALL=zh_CN.UTF-8; } 2>/dev/null  # bash itself cannot load the private locale
