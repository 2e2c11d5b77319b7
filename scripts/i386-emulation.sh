#!/usr/bin/env bash
# Lets this machine run 32-bit Wine where its kernel cannot run 32-bit x86 programs.
#
# Some kernels are built or booted without IA-32 emulation (the kernel log says "32-bit emulation
# disabled"): every 32-bit Linux program, Wine's 32-bit loader among them, then fails with "Exec format
# error". There QEMU's user-mode emulator is registered (binfmt_misc) as the interpreter of 32-bit x86
# ELF files, with flag F so that it also serves chroots. setup.sh installs the emulator (qemu-user
# 8 or later: QEMU 7 does not honour MAP_FIXED_NOREPLACE, and every Wine process then spends minutes
# reserving its address space in 64 KB steps; Debian 12 has QEMU 10 in bookworm-backports) and Wine's
# 64-bit wineserver (wine64, so that at least the server runs natively) before it calls this script,
# on every run: the registration lasts only until the machine restarts.
# On a machine that runs 32-bit programs itself it does nothing.
#   scripts/i386-emulation.sh          register if needed (root, or sudo)
#   scripts/i386-emulation.sh --check  exit 0 if 32-bit programs run, natively or emulated
set -euo pipefail

probe=/usr/lib/wine/wine   # Wine's 32-bit loader: the program that has to run
runs_32_bit() { "$probe" --version >/dev/null 2>&1; }

[ -x "$probe" ] || { echo "i386-emulation: $probe is not installed" >&2; exit 1; }
runs_32_bit && exit 0
[ "${1:-}" != "--check" ] || exit 1

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
echo "i386-emulation: this kernel does not run 32-bit programs; registering QEMU's emulator for them"
qemu=/usr/bin/qemu-i386
[ -x "$qemu" ] || { echo "i386-emulation: $qemu is not installed (package qemu-user)" >&2; exit 1; }
major=$("$qemu" --version | sed -n 's/^qemu-i386 version \([0-9]*\)\..*/\1/p')
if [ "${major:-0}" -lt 8 ]; then
  echo "i386-emulation: $qemu is QEMU ${major:-?}; Wine needs QEMU 8 or later" >&2
  exit 1
fi
if ! file -L "$qemu" | grep -q 'static'; then
  echo "i386-emulation: $qemu is not linked statically: it could not serve chroots" >&2
fi

binfmt=/proc/sys/fs/binfmt_misc
[ -e "$binfmt/register" ] || $SUDO mount -t binfmt_misc binfmt_misc "$binfmt"
if [ ! -e "$binfmt/qemu-i386" ]; then
  # The ELF header of a 32-bit x86 executable or shared object, as QEMU's own binfmt table has it.
  magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
  mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
  echo ":qemu-i386:M::$magic:$mask:$qemu:F" | $SUDO tee "$binfmt/register" >/dev/null
fi
runs_32_bit || { echo "i386-emulation: 32-bit programs still do not run ($binfmt/qemu-i386)" >&2; exit 1; }
