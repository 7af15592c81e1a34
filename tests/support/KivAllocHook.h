// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Test-only replacement of the global operator new and delete. Every block is
// counted while it lives; the nothrow forms (the only ones the library uses)
// can be made to fail on demand, and the places whose allocation was failed
// are remembered. Linked into the test programs only.
#pragma once

class KivAllocHook
{
public:
    // Counts the nothrow allocations from now on and fails the n-th of them
    // (1: the next one); with `sticky`, every later one fails as well. With
    // n <= 0 they are only counted.
    static void failAt(long n, bool sticky = false);
    // Stops failing and counting; allocations() keeps its count.
    static void disarm();

    // Nothrow allocations asked for between failAt and disarm, failed ones
    // included.
    static long allocations();
    // Allocations failed between failAt and disarm.
    static long failures();
    // Blocks from any operator new not yet given back.
    static long liveBlocks();
    // Distinct call sites whose allocation was failed since the program
    // started (at most siteCapacity are told apart).
    static int failedSites();
    static constexpr int siteCapacity = 4096;

    // Fails the n-th nothrow allocation (see failAt) for its own lifetime.
    class Scope
    {
    public:
        explicit Scope(long n, bool sticky = false) { failAt(n, sticky); }
        ~Scope() { disarm(); }
        Scope(const Scope &) = delete;
        Scope &operator=(const Scope &) = delete;
    };
};
