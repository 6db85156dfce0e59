#!/usr/bin/env bash
# The 32-bit Windows build runs under the 32-bit Wine loader (wine32), a 32-bit Linux
# program. Kernels without 32-bit support (or booted with it off) cannot start it;
# there it runs under qemu's user-mode emulator, registered with binfmt_misc for
# 32-bit x86 ELF files. Whether the kernel can is found out by starting a tiny 32-bit
# program, never assumed: where it runs natively, no emulator is involved.
#
#   x86-session.sh --setup          install what is missing (wine32:i386, and qemu where
#                                   it is needed); prints "native" or "emulated". Exits
#                                   75 when apt could not fetch an i386 index and wine32
#                                   could not be installed (a mirror caught mid-sync),
#                                   writing apt's line to $TINTWELL_CI_EXCUSE when set
#   x86-session.sh -- COMMAND ...   run COMMAND where 32-bit programs can start
#
# The emulator's registration must not reach the 64-bit stages: it would catch the
# 32-bit helper a 64-bit Wine starts when it creates a prefix, and make it crawl. So
# it goes into a binfmt_misc of COMMAND's own (a user and mount namespace; kernels
# since 6.7). Where the kernel cannot give one, it is registered for the machine and
# switched off again when COMMAND ends.
#
# TINTWELL_X86_EMULATION=1 takes the emulated road even where the kernel would not
# need it, to try that road on a machine that has the choice.
set -euo pipefail
source "$(dirname "$0")/apt-packages.sh"

sudo=()
if ((EUID != 0)); then sudo=(sudo); fi
misc=/proc/sys/fs/binfmt_misc
entry=$misc/tintwell-i386
export DEBIAN_FRONTEND=noninteractive

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Waits for a byte on stdin, so that its process can be looked at from outside, then
# writes one LDT entry as the 32-bit Wine loader does for its thread block, and exits
# with 0 only if the kernel (or the emulator) took it.
cat >"$work/probe.S" <<'EOF'
        .data
entry:  .long 0, 0, 0xfff, 0x51
        .text
        .globl _start
_start: subl    $4, %esp
        movl    $3, %eax
        xorl    %ebx, %ebx
        movl    %esp, %ecx
        movl    $1, %edx
        int     $0x80
        movl    $123, %eax
        movl    $0x11, %ebx
        movl    $entry, %ecx
        movl    $16, %edx
        int     $0x80
        movl    %eax, %ebx
        negl    %ebx
        movl    $1, %eax
        int     $0x80
EOF
as --32 -o "$work/probe.o" "$work/probe.S"
ld -m elf_i386 -o "$work/probe" "$work/probe.o"

# native | emulated | none. Under binfmt_misc the running process's executable is the
# emulator, which no emulated program can disguise from outside.
how_x86_runs() {
  local gate="$work/gate" pid exe="" status=0
  rm -f "$gate"
  mkfifo "$gate"
  "$work/probe" <"$gate" 2>/dev/null &
  pid=$!
  exec 4>"$gate"  # the probe's shell has opened the other end: it execs next
  for _ in $(seq 1 100); do
    exe=$(readlink "/proc/$pid/exe" 2>/dev/null || true)
    [[ -z "$exe" || "$exe" != */bash ]] && break
    sleep 0.05
  done
  printf x >&4
  exec 4>&-
  wait "$pid" || status=$?
  if ((status != 0)); then
    echo none
  elif [[ "$exe" == "$work/probe" ]]; then
    echo native
  elif [[ "$(basename "$exe")" == qemu-i386* ]]; then
    echo emulated
  else
    echo "x86-session: a 32-bit program ran as $exe" >&2
    echo none
  fi
}

needs_emulator() {
  [[ $(how_x86_runs) != native || ${TINTWELL_X86_EMULATION:-0} == 1 ]]
}

# Into the binfmt_misc mounted at $misc (the machine's, or a private one).
register() {
  if [[ ! -e $entry ]]; then
    # Debian registers no i386 entry on x86-64 hosts. F: the kernel opens the emulator
    # now, so it also serves Wine's own re-executions and other mount namespaces.
    local magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
    local mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
    printf '%s' ":tintwell-i386:M::$magic:$mask:/usr/bin/qemu-i386-static:F" |
      "${sudo[@]}" tee "$misc/register" >/dev/null
  fi
  echo 1 | "${sudo[@]}" tee "$entry" >/dev/null
}

run_emulated() {
  # The emulated program's address space, reserved up front: without it Wine cannot
  # map its shared user data. Wine's loader keeps the space up to 0x82000000 for
  # itself and, at every start, tries to reserve what lies above it as well, which
  # qemu answers slowly: a start took about a minute of processor time with the whole
  # 4 GiB (0xffff0000), and 8 s with 32 MiB above Wine's areas for qemu's stack and
  # the loader. Programs that are not large-address-aware see 2 GiB either way.
  export QEMU_RESERVED_VA=0x84000000
  [[ $(how_x86_runs) == emulated ]] || { echo "x86-session: qemu-i386 does not take over" >&2; return 1; }
  echo "x86-session: 32-bit programs run through qemu ($1)" >&2
  shift
  local status=0
  "$@" || status=$?
  return $status
}

case "${1:-}" in
  --setup)
    installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
    wanted=(wine32:i386)
    mode=native
    if needs_emulator; then wanted+=(qemu-user-static); mode=emulated; fi
    missing=()
    for p in "${wanted[@]}"; do installed "$p" || missing+=("$p"); done
    if ((${#missing[@]})); then
      echo "x86-session: installing ${missing[*]}" >&2
      if ! dpkg --print-foreign-architectures | grep -qx i386; then
        "${sudo[@]}" dpkg --add-architecture i386
      fi
      status=0
      apt_install x86-session "${missing[@]}" || status=$?
      if ((status == apt_mirror_status)); then
        # For CI, which then reports the x86 stages as not run rather than failed.
        [[ -z ${TINTWELL_CI_EXCUSE:-} ]] ||
          echo "the package mirror: $apt_mirror_line" >"$TINTWELL_CI_EXCUSE"
        exit "$status"
      fi
      ((status == 0)) || exit 1
    fi
    echo "$mode"
    ;;
  --private)  # inside the namespace that -- sets up, as its root
    shift
    sudo=()
    mount -t binfmt_misc binfmt_misc "$misc"
    register
    run_emulated "a binfmt_misc of its own" "$@"
    ;;
  --)
    shift
    (($#)) || { echo "usage: x86-session.sh --setup | -- COMMAND [ARGS...]" >&2; exit 2; }
    if ! needs_emulator; then
      echo "x86-session: 32-bit programs run natively" >&2
      "$@"
      exit
    fi
    if unshare --user --map-root-user --mount true 2>/dev/null &&
      unshare --user --map-root-user --mount sh -c "mount -t binfmt_misc binfmt_misc $misc" 2>/dev/null; then
      status=0
      unshare --user --map-root-user --mount --fork "$0" --private "$@" || status=$?
      exit $status
    fi
    # No private binfmt_misc on this kernel: the machine's, for as long as COMMAND runs.
    [[ -e $misc/register ]] || "${sudo[@]}" mount -t binfmt_misc binfmt_misc "$misc"
    trap 'echo 0 | "${sudo[@]}" tee "$entry" >/dev/null; rm -rf "$work"' EXIT
    register
    run_emulated "registered for the machine while this runs" "$@"
    ;;
  *)
    echo "usage: x86-session.sh --setup | -- COMMAND [ARGS...]" >&2
    exit 2
    ;;
esac
