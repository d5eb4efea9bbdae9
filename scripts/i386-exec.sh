#!/usr/bin/env bash
# How this machine runs 32-bit x86 Linux programs; prints one word:
#   native     the kernel runs them itself
#   emulated   through a qemu-i386 binfmt_misc handler (user-mode emulation)
#   none       not at all (a kernel without 32-bit support, or one that
#              refuses it, as some virtual machines do)
set -euo pipefail
probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
# The smallest 32-bit program: exit(0) by system call, no C library needed.
printf 'void _start(void) { __asm__ volatile("movl $1, %%eax\\n\\txorl %%ebx, %%ebx\\n\\tint $0x80"); }\n' \
  > "$probe/p.c"
gcc -m32 -nostdlib -static -O2 "$probe/p.c" -o "$probe/p"
if ! "$probe/p" 2>/dev/null; then
  echo none
elif grep -qs 'interpreter .*qemu-i386' /proc/sys/fs/binfmt_misc/* 2>/dev/null &&
     grep -qs '^enabled' /proc/sys/fs/binfmt_misc/status; then
  echo emulated
else
  echo native
fi
