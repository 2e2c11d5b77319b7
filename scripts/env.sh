# Sourced by the other scripts: the build folder, and the environment Wine runs the launcher in.
# Wine takes its ANSI code page from the locale: zh_CN.UTF-8 gives code page 936. The locale is
# generated into the build folder, so it needs no change to the system. CTest gives the tests the same
# environment.
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${BUILD:-$ROOT/build}
HOST_BUILD=${HOST_BUILD:-$ROOT/build-host}  # the pure logic built for this machine
export WINEPREFIX=$BUILD/wineprefix
export WINEDEBUG=-all
export WINEARCH=win32  # the launcher is 32-bit; also where wine64 is installed (i386-emulation.sh)
export WINEDLLOVERRIDES="mscoree,mshtml="
export LOCPATH=$BUILD/locale
# Only once scripts/wine-prefix.sh has made the locale: a child shell started with a locale it cannot
# load warns. (The shell that sources this cannot load it either, LOCPATH being new to it: it keeps quiet.)
if [ -f "$LOCPATH/zh_CN.UTF-8/LC_CTYPE" ]; then
  { export LC_ALL=zh_CN.UTF-8; } 2>/dev/null
fi
