#!/usr/bin/env bash
# Installs what building and testing the launcher needs on Debian or Ubuntu (as root, or with sudo):
# the MinGW-w64 cross compiler and the native one, CMake, 32-bit Wine, Xvfb, Chinese fonts (and fc-list,
# with which wine-prefix.sh finds the tests' face), ImageMagick and GoogleTest, and for the release: git,
# Python 3 and unzip.
# Safe to run again: it installs only what is missing. It adds i386 to dpkg's architectures for good
# (wine32 is an i386 package) and changes nothing else in apt's configuration; it removes no package.
#   scripts/setup.sh --screenshots   also Wine's own fonts: screenshots.sh takes Marlett (the caption
#                                    buttons' glyphs) into its own prefix; the tests' prefix has none
set -euo pipefail

need=(cmake ninja-build g++ g++-mingw-w64-i686 wine wine32:i386 xvfb xauth fonts-wqy-microhei imagemagick
      fonts-arphic-uming fontconfig googletest locales python3 git unzip)
[ "${1:-}" != "--screenshots" ] || need+=(fonts-wine)
missing=()
for p in "${need[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
native=$(dpkg --print-architecture)
here=$(dirname "$0")
install=($SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends --no-remove)

# A kernel without IA-32 emulation runs 32-bit Wine only through QEMU (scripts/i386-emulation.sh):
# QEMU 8 or later, which Debian 12 has in bookworm-backports (added to apt's sources for this; its
# packages are installed only when asked for by name), and wine64 for a native wineserver.
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
  # wine64's 64-bit libraries must carry the versions of their installed 32-bit twins, which a missing
  # index (below) may have held back.
  "${install[@]}" wine64 || "${install[@]}" wine64 $(native_twin_pins wine64)
  "$here/i386-emulation.sh"
}

# native_twin_pins PACKAGE...: each 64-bit library the packages need whose 32-bit twin is installed and
# its own is not, at the installed twin's version.
native_twin_pins() {
  local p ii
  for p in $(apt-cache depends --recurse --important "$@" | grep -v '^[ <]' | grep -v : | sort -u); do
    ii=$(dpkg-query -W -f='${Status} ${Version}' "$p:i386" 2>/dev/null | sed -n 's/^install ok installed //p')
    [ -n "$ii" ] || continue
    dpkg-query -W -f='${Status}' "$p:$native" 2>/dev/null | grep -q 'install ok installed' && continue
    echo "$p:$native=$ii"
  done
}

if ((${#missing[@]} == 0)); then
  emulate
  exit 0
fi

# twin_pins: after a failed install, the known cause and its mend. A mirror in the middle of a sync can
# fail one index (seen: the i386 index of bookworm-security). apt then knows the i386 twin of a 32-bit
# library (which must carry the very version of its 64-bit twin) only at an older version than the 64-bit
# one, and finds no solution. Prints the installs that give each such pair one version: the i386 twin at
# the installed 64-bit version if the i386 indexes have it, else both at the i386 version (never below
# the installed one). Fails, saying why where it is not obvious, when this is not that failure or no
# common version exists. Preferences and sources stay as the maintainer keeps them.
twin_pins() {
  local lacking closure names p ii ci ia ca bad=""
  lacking=$(apt-get indextargets --format '$(SITE) $(RELEASE) $(COMPONENT) $(ARCHITECTURE)' 'Created-By: Packages' |
    awk -v n="$native" '{ k = $1 " " $2 " " $3 } $4 == n { a[k] } $4 == "i386" { b[k] }
                        END { for (k in a) if (!(k in b)) print k }')
  [ -n "$lacking" ] || return 1
  echo "setup: no i386 index of: $lacking (a mirror in the middle of a sync?)" >&2
  closure=$(apt-cache depends --recurse --important "${missing[@]}" | grep -v '^[ <]' | sort -u)
  names=$(sed -n 's/:i386$//p' <<<"$closure")
  [ -n "$names" ] || return 1
  # Per package and architecture: installed version, candidate, and the versions some index offers.
  local -A inst=() cand=() avail=()
  while IFS='|' read -r p ii ci ia; do inst[$p]=$ii; cand[$p]=$ci; avail[$p]=$ia; done < <(
    apt-cache policy $(for p in $names; do echo "$p:i386 $p:$native"; done) | awk -v n="$native" '
      /^[^ ].*:$/ { if (name) print name "|" inst "|" cand "|" avail " "; name = substr($0, 1, length($0) - 1); avail = ""
                     if (name !~ /:/) name = name ":" n }
      /^  Installed: / { inst = $2 } /^  Candidate: / { cand = $2 }
      /^ (\*\*\*|   ) [^ ]+ -?[0-9]+$/ { ver = $(NF - 1); next }
      /^ +-?[0-9]+ / && $2 != "/var/lib/dpkg/status" && ver != "" { avail = avail " " ver; ver = "" }
      END { if (name) print name "|" inst "|" cand "|" avail " " }')
  for p in $names; do
    [ "${inst[$p:i386]-}" = "(none)" ] || continue  # installed twins already agree
    ci=${cand[$p:i386]-"(none)"}
    [ "$ci" != "(none)" ] || continue
    ia=${inst[$p:$native]-"(none)"} ca=${cand[$p:$native]-"(none)"}
    if [ "$ia" = "(none)" ]; then
      grep -qx "$p" <<<"$closure" || continue  # no 64-bit twin wanted
      ia=""
    fi
    # apt copes when the i386 version is the installed 64-bit one or the one it would upgrade that to.
    [ "$ci" != "$ia" ] && [ "$ci" != "$ca" ] || continue
    if [ -n "$ia" ] && [[ ${avail[$p:i386]-} == *" $ia "* ]]; then
      echo "$p:i386=$ia"
    elif [[ ${avail[$p:$native]-} == *" $ci "* ]] && { [ -z "$ia" ] || dpkg --compare-versions "$ci" gt "$ia"; }; then
      echo "$p:$native=$ci"
      echo "$p:i386=$ci"
    else
      echo "setup: $p has no version for both $native (${ia:-not installed}) and i386 ($ci)" >&2
      bad=1
    fi
  done
  [ -z "$bad" ]
}

echo "installing: ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
for attempt in 1 2 3; do
  $SUDO apt-get update -qq && break
  echo "apt-get update failed (attempt $attempt)" >&2
  sleep $((attempt * 5))
done
status=0
"${install[@]}" "${missing[@]}" || status=$?
if ((status)); then
  pins=$(twin_pins) && [ -n "$pins" ] || { echo "setup: apt-get install failed ($status): see above" >&2; exit "$status"; }
  mapfile -t pins <<<"$pins"
  echo "setup: installing these twins at one version: ${pins[*]}" >&2
  "${install[@]}" "${missing[@]}" "${pins[@]}"
fi
emulate
