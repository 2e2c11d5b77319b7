#!/usr/bin/env bash
# Checks "two commands on a fresh machine" for one Debian release without a second computer: makes a
# pristine root of that release (debootstrap minbase, with git and sudo), clones this repository's
# current commit (HEAD; changes not committed are left out) into it for a user "maint" who may sudo,
# runs scripts/setup.sh there as that user (it needs the network), then the command, in a network
# namespace of its own so that the root's X servers and Wine never meet the host's (X and Wine use
# abstract sockets, which are shared per network namespace). At the end, on every path, also when
# interrupted, it ends every process of the root, unmounts and deletes all it made.
#   scripts/fresh-root.sh RELEASE [COMMAND]   as root; RELEASE is bookworm or trixie; COMMAND is a shell
#                                             command run in the clone (default: scripts/test.sh)
#   MIRROR, SECURITY_MIRROR                   the Debian archives (default: deb.debian.org)
# Exits with the command's status.
set -euo pipefail
# One block, read whole before it runs: a run takes long, and a checkout meanwhile must not change it.
{

usage="usage: scripts/fresh-root.sh bookworm|trixie [COMMAND]"
release=${1:?$usage}
command=${2:-scripts/test.sh}
case $release in bookworm | trixie) ;; *) echo "$usage" >&2; exit 2 ;; esac
[ "$(id -u)" -eq 0 ] || { echo "fresh-root: run it as root (it mounts and chroots)" >&2; exit 2; }
mirror=${MIRROR:-http://deb.debian.org/debian}
security=${SECURITY_MIRROR:-http://deb.debian.org/debian-security}
repo=$(cd "$(dirname "$0")/.." && pwd)
git() { command git -c safe.directory='*' "$@"; }  # the checkout may belong to the sudo user
commit=$(git -C "$repo" rev-parse HEAD)

root=""
child=""
times=()

# The mount points under the root, deepest first.
mounts_under_root() { awk -v r="$root/" 'index($2, r) == 1 { print $2 }' /proc/self/mounts | sort -r; }

# Every process whose root directory is the root: what the command left behind (wineserver, Wine's
# services, Xvfb), or what an interruption left running.
end_root_processes() {
  local sig p pids _
  for sig in TERM TERM TERM TERM TERM KILL; do
    pids=()
    for p in /proc/[0-9]*; do
      [ ! "$p/root" -ef "$root" ] || pids+=("${p#/proc/}")
    done
    ((${#pids[@]})) || return 0
    kill -s "$sig" "${pids[@]}" 2>/dev/null || true
    sleep 1
  done
}

# end_tree PID: ends that process and every process it started (bash runs a step's command through a
# subshell of its own, which waits for the command before it heeds a signal).
end_tree() {
  local pids=("$1") i=0 p _
  while ((i < ${#pids[@]})); do
    for p in $(pgrep -P "${pids[i]}"); do pids+=("$p"); done
    i=$((i + 1))
  done
  kill -s TERM "${pids[@]}" 2>/dev/null || true
  for _ in 1 2 3 4 5; do any_alive "${pids[@]}" || return 0; sleep 1; done
  kill -s KILL "${pids[@]}" 2>/dev/null || true
}
any_alive() { local p; for p; do ! kill -0 "$p" 2>/dev/null || return 0; done; return 1; }

cleanup() {
  local status=$? m
  trap - EXIT INT TERM HUP
  [ -z "$child" ] || end_tree "$child"
  if [ -n "$root" ] && [ -d "$root" ]; then
    end_root_processes
    for m in $(mounts_under_root); do umount "$m" 2>/dev/null || umount -l "$m" || true; done
    if [ -n "$(mounts_under_root)" ]; then
      echo "fresh-root: still mounted, so $root is kept:" >&2
      mounts_under_root >&2
    else
      rm -rf --one-file-system "$root"
    fi
  fi
  if ((${#times[@]})); then echo "fresh-root: $release at ${commit:0:12}: ${times[*]}"; fi
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

# step NAME COMMAND...: runs the command timed, in the background so that a signal ends the wait at once.
step() {
  local name=$1 start=$SECONDS status=0
  shift
  "$@" &
  child=$!
  wait "$child" || status=$?
  child=""
  times+=("$name $(((SECONDS - start) / 60))m$(((SECONDS - start) % 60))s$( ((status == 0)) || echo " (failed: $status)"),")
  return "$status"
}

# as_maint COMMAND [offline]: a bash command run in the clone as the maintainer, in a clean environment;
# offline: in a network namespace of its own, whose loopback interface is up as on a machine without a
# network.
as_maint() {
  local run=(chroot "$root" runuser -u maint -- env -i HOME=/home/maint USER=maint LOGNAME=maint
             SHELL=/bin/bash PATH=/usr/local/bin:/usr/bin:/bin TERM="${TERM:-dumb}"
             bash -c "cd ~/launcher && $1")
  [ "${2:-}" != offline ] || run=(unshare --net -- sh -c 'ip link set lo up 2>/dev/null; exec "$@"' sh "${run[@]}")
  "${run[@]}"
}

if ! command -v debootstrap >/dev/null; then
  apt-get update -qq || true  # an index that fails to download does not matter here
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap
fi

root=$(mktemp -d /var/tmp/fresh-root-"$release".XXXXXX)
root=$(realpath "$root")
chmod 755 "$root"
echo "fresh-root: $release in $root"
bootstrap() { debootstrap --variant=minbase --include=git,sudo "$release" "$root" "$mirror" >/dev/null; }
step bootstrap bootstrap || { tail -20 "$root/debootstrap/debootstrap.log" >&2; exit 1; }

# The sources of a fresh install: the release, its updates and its security updates.
rm -f "$root/etc/apt/sources.list"
cat >"$root/etc/apt/sources.list.d/debian.sources" <<EOF
Types: deb
URIs: $mirror
Suites: $release $release-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
URIs: $security
Suites: $release-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
cp /etc/resolv.conf "$root/etc/resolv.conf"
printf '127.0.0.1 localhost\n127.0.1.1 %s\n' "$(hostname)" >"$root/etc/hosts"
# Packages' maintainer scripts start no services in the root (as in any chroot).
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod 755 "$root/usr/sbin/policy-rc.d"

mount --bind /proc "$root/proc"
# The kernel's table of binary formats, as the host has it: where QEMU runs 32-bit programs
# (scripts/i386-emulation.sh), the root's setup and tests see that, as on a machine of this kernel.
if [ -e /proc/sys/fs/binfmt_misc/register ]; then
  mount -t binfmt_misc binfmt_misc "$root/proc/sys/fs/binfmt_misc"
fi
mount --bind /sys "$root/sys"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
mount -t tmpfs -o mode=1777,nosuid,nodev shm "$root/dev/shm"

chroot "$root" useradd --create-home --shell /bin/bash maint
echo 'maint ALL=(ALL) NOPASSWD: ALL' >"$root/etc/sudoers.d/maint"
git clone --quiet --no-local --no-checkout "$repo" "$root/home/maint/launcher"
git -C "$root/home/maint/launcher" checkout --quiet --detach "$commit"
chroot "$root" chown -R maint:maint /home/maint/launcher

step setup as_maint scripts/setup.sh
step command as_maint "$command" offline
exit
}
