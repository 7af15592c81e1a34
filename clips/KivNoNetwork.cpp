// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "KivNoNetwork.h"

#include <cerrno>
#include <cstddef>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/syscall.h>

#if defined(__x86_64__)
#define KIV_AUDIT_ARCH AUDIT_ARCH_X86_64
#elif defined(__i386__)
#define KIV_AUDIT_ARCH AUDIT_ARCH_I386
#elif defined(__aarch64__)
#define KIV_AUDIT_ARCH AUDIT_ARCH_AARCH64
#elif defined(__arm__)
#define KIV_AUDIT_ARCH AUDIT_ARCH_ARM
#elif defined(__powerpc64__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
#define KIV_AUDIT_ARCH AUDIT_ARCH_PPC64LE
#elif defined(__s390x__)
#define KIV_AUDIT_ARCH AUDIT_ARCH_S390X
#elif defined(__riscv) && __riscv_xlen == 64
#define KIV_AUDIT_ARCH AUDIT_ARCH_RISCV64
#endif

bool kivForbidNetworkInThisThread()
{
#ifdef KIV_AUDIT_ARCH
    constexpr unsigned refuse = SECCOMP_RET_ERRNO | EACCES;
    // The socket family is the low half of the first argument.
    constexpr unsigned family =
        offsetof(seccomp_data, args) + (__BYTE_ORDER__ == __ORDER_BIG_ENDIAN__ ? sizeof(__u32) : 0);
    sock_filter program[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
        // System calls of another ABI (i386 on x86_64) have other numbers.
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, KIV_AUDIT_ARCH, 1, 0),
        BPF_STMT(BPF_RET | BPF_K, refuse),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
#ifdef __x86_64__
        // x32 calls share the architecture, with this bit in their numbers.
        BPF_JUMP(BPF_JMP | BPF_JGE | BPF_K, 0x40000000, 0, 1),
        BPF_STMT(BPF_RET | BPF_K, refuse),
#endif
#ifdef __NR_socketcall
        // The multiplexed socket calls of older 32-bit ABIs hide the family.
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_socketcall, 0, 1),
        BPF_STMT(BPF_RET | BPF_K, refuse),
#endif
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_socket, 0, 3),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, family),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, AF_UNIX, 1, 0),
        BPF_STMT(BPF_RET | BPF_K, refuse),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
    const sock_fprog filter = {sizeof program / sizeof program[0], program};
    return prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
           prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &filter) == 0;
#else
    return false;
#endif
}
