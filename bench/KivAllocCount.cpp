// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Counts the process's allocations by standing in for malloc, calloc and
// realloc in front of glibc's allocator (operator new allocates through
// malloc). Under callgrind the same functions run, so the counts agree.
// Sanitizer builds keep their own allocator and count nothing.
#include "KivBenchMain.h"

#include <atomic>
#include <cstddef>
#include <cstdlib>

namespace {
std::atomic<std::uint64_t> allocations{0};
} // namespace

std::uint64_t kivAllocations()
{
    return allocations.load(std::memory_order_relaxed);
}

#ifndef KIV_NO_ALLOC_COUNT
extern "C" {

void *__libc_malloc(std::size_t size);
void *__libc_calloc(std::size_t count, std::size_t size);
void *__libc_realloc(void *pointer, std::size_t size);
void __libc_free(void *pointer);

void *malloc(std::size_t size) noexcept
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_malloc(size);
}

void *calloc(std::size_t count, std::size_t size) noexcept
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_calloc(count, size);
}

void *realloc(void *pointer, std::size_t size) noexcept
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_realloc(pointer, size);
}

void free(void *pointer) noexcept
{
    __libc_free(pointer);
}
}
#endif
