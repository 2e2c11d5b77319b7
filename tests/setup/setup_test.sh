#!/usr/bin/env bash
# scripts/setup.sh's decisions after a failed install, against fake apt-get, apt-cache, dpkg, dpkg-query,
# sudo and id on PATH (no network, no change to the system): the package tools' answers are those of a
# Debian 12 machine whose i386 index of bookworm-security failed to download.
# - That failure: a second install gives each 32-bit library and its 64-bit twin one version (the i386
#   twin at the installed 64-bit version, or both at the i386 one, never lower than installed), with
#   DEBIAN_FRONTEND passed through sudo, and i386 added as an architecture.
# - With every index there, or with twins that have no version in common: the failure is reported as
#   itself, with no second install.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
world=$(mktemp -d)
trap 'rm -rf "$world"' EXIT
fail() { echo "setup_test: FAILED: $*" >&2; exit 1; }
mkdir "$world/bin"
fake() { printf '#!/usr/bin/env bash\nw=%q\n%s\n' "$world" "$2" >"$world/bin/$1"; chmod +x "$world/bin/$1"; }
fake id '[ "$1" = -u ] && echo 1000'
fake sudo 'exec env -i PATH="$PATH" "$@"  # sudo resets the environment'
fake dpkg-query 'exit 1'
fake dpkg 'case $1 in
  --print-architecture) echo amd64 ;; --print-foreign-architectures) cat "$w/foreign" 2>/dev/null ;;
  --add-architecture) echo "$2" >"$w/foreign" ;; *) exec /usr/bin/dpkg "$@" ;; esac'
fake apt-cache 'case $1 in
  depends) printf "%s\n" wine32:i386 libc6:i386 libc6 libexpat1:i386 libexpat1 libjq1:i386 libaom3:i386 libgd3:i386 debconf:i386 ;;
  policy) shift; for p; do awk -v p="${p%:amd64}:" "/^[^ ]/ { on = \$0 == p } on" "$w/policy"; done ;;
  esac'
fake apt-get 'case $1 in
  indextargets) cat "$w/indextargets" ;;
  install) echo "DEBIAN_FRONTEND=${DEBIAN_FRONTEND-} ${*:2}" >>"$w/installs"; [[ "$*" == *=* ]] ;; esac'

# policy BLOCKS: the apt-cache policy answers; a block is "name installed candidate version:origin..."
# (origin m is the main archive, s the security archive, d the dpkg status).
policy() {
  local name inst cand v
  for block; do
    read -r name inst cand rest <<<"$block"
    printf '%s:\n  Installed: %s\n  Candidate: %s\n  Version table:\n' "$name" "$inst" "$cand"
    for v in $rest; do
      printf ' %s %s 500\n' "$([ "${v%:*}" = "$inst" ] && echo '***' || echo '   ')" "${v%:*}"
      case ${v#*:} in m) echo '        500 http://deb.debian.org/debian bookworm/main Packages' ;;
        s) echo '        500 http://deb.debian.org/debian-security bookworm-security/main Packages' ;;
        d) echo '        100 /var/lib/dpkg/status' ;; esac
    done
  done >"$world/policy"
}
indexes() {
  printf 'http://deb.debian.org/debian bookworm main %s\n' amd64 i386 >"$world/indextargets"
  printf 'http://deb.debian.org/debian-security bookworm-security main %s\n' "$@" >>"$world/indextargets"
}
run_setup() { rm -f "$world/installs" "$world/foreign"; PATH=$world/bin:$PATH "$root/scripts/setup.sh" >"$world/out" 2>&1; }
installs() { grep -c '' "$world/installs"; }

healthy=('libc6 2.36-9 2.36-9 2.36-9:m' 'libc6:i386 (none) 2.36-9 2.36-9:m' 'wine32:i386 (none) 8.0 8.0:m'
         'libgd3 2.3.3-9 2.3.3-9+u1 2.3.3-9+u1:s 2.3.3-9:m' 'libgd3:i386 (none) 2.3.3-9 2.3.3-9:m')
policy "${healthy[@]}" 'libexpat1 (none) 2.5.0+u5 2.5.0+u5:s 2.5.0+u2:m' 'libexpat1:i386 (none) 2.5.0+u2 2.5.0+u2:m' \
  'libjq1 1.6+u1 1.6+u3 1.6+u3:s 1.6+u2:m 1.6+u1:d' 'libjq1:i386 (none) 1.6+u2 1.6+u2:m' \
  'libaom3 3.6+u2 3.6+u3 3.6+u3:s 3.6+u2:m' 'libaom3:i386 (none) 3.6+u4 3.6+u4:m 3.6+u2:m'
indexes amd64
run_setup || { cat "$world/out"; fail "the known failure was not mended"; }
[ "$(cat "$world/foreign")" = i386 ] || fail "i386 was not added"
[ "$(installs)" = 2 ] && ! grep -vq '^DEBIAN_FRONTEND=noninteractive ' "$world/installs" || fail "$(cat "$world/installs")"
pins="libaom3:i386=3.6+u2 libexpat1:amd64=2.5.0+u2 libexpat1:i386=2.5.0+u2 libjq1:amd64=1.6+u2 libjq1:i386=1.6+u2"
[[ "$(tail -1 "$world/installs")" == *" unzip $pins" ]] || fail "second install: $(tail -1 "$world/installs")"

indexes amd64 i386
! run_setup && [ "$(installs)" = 1 ] && grep -q 'apt-get install failed' "$world/out" || fail "another failure: $(cat "$world/out")"
policy "${healthy[@]}" 'libexpat1 2.5.0+u5 2.5.0+u5 2.5.0+u5:s 2.5.0+u2:m' 'libexpat1:i386 (none) 2.5.0+u2 2.5.0+u2:m'
indexes amd64
! run_setup && [ "$(installs)" = 1 ] && grep -q 'libexpat1 has no version for both' "$world/out" ||
  fail "twins without a common version: $(cat "$world/out")"
echo "setup_test: passed"
