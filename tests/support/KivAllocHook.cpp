// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "KivAllocHook.h"

#include <cstdlib>
#include <new>

// The hook itself never allocates through operator new, and the program has
// one thread, so plain counters do.
namespace {

bool armed = false;
bool stickyFailure = false;
long failingAllocation = 0;
long nothrowCount = 0;
long failureCount = 0;
long live = 0;

const void *sites[KivAllocHook::siteCapacity];
int siteCount = 0;

void rememberSite(const void *site) noexcept
{
    for (int i = 0; i < siteCount; ++i) {
        if (sites[i] == site) {
            return;
        }
    }
    if (siteCount < KivAllocHook::siteCapacity) {
        sites[siteCount++] = site;
    }
}

void *allocate(std::size_t size) noexcept
{
    // malloc is what AddressSanitizer intercepts, so its checks stay in force.
    void *block = std::malloc(size == 0 ? 1 : size);
    if (block != nullptr) {
        ++live;
    }
    return block;
}

void *allocateNothrow(std::size_t size, const void *site) noexcept
{
    if (armed) {
        ++nothrowCount;
        if (failingAllocation > 0 && (nothrowCount == failingAllocation ||
                                      (stickyFailure && nothrowCount > failingAllocation))) {
            ++failureCount;
            rememberSite(site);
            return nullptr;
        }
    }
    return allocate(size);
}

void *allocateOrThrow(std::size_t size)
{
    void *block = allocate(size);
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    return block;
}

void release(void *block) noexcept
{
    if (block != nullptr) {
        --live;
        std::free(block);
    }
}

} // namespace

void KivAllocHook::failAt(long n, bool sticky)
{
    armed = true;
    stickyFailure = sticky;
    failingAllocation = n;
    nothrowCount = 0;
    failureCount = 0;
}

void KivAllocHook::disarm()
{
    armed = false;
}

long KivAllocHook::allocations()
{
    return nothrowCount;
}

long KivAllocHook::failures()
{
    return failureCount;
}

long KivAllocHook::liveBlocks()
{
    return live;
}

int KivAllocHook::failedSites()
{
    return siteCount;
}

// The call site is the return address into the caller of the operator, which
// lives in another translation unit and so cannot be inlined.
void *operator new(std::size_t size, const std::nothrow_t &) noexcept
{
    return allocateNothrow(size, __builtin_return_address(0));
}
void *operator new[](std::size_t size, const std::nothrow_t &) noexcept
{
    return allocateNothrow(size, __builtin_return_address(0));
}
void *operator new(std::size_t size)
{
    return allocateOrThrow(size);
}
void *operator new[](std::size_t size)
{
    return allocateOrThrow(size);
}
void operator delete(void *block) noexcept
{
    release(block);
}
void operator delete[](void *block) noexcept
{
    release(block);
}
void operator delete(void *block, std::size_t) noexcept
{
    release(block);
}
void operator delete[](void *block, std::size_t) noexcept
{
    release(block);
}
void operator delete(void *block, const std::nothrow_t &) noexcept
{
    release(block);
}
void operator delete[](void *block, const std::nothrow_t &) noexcept
{
    release(block);
}
