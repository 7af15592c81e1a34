// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Benchmark harness: each program lists its operations in groups, the Kiv
// operation of a group first and its standard equivalents after it. The same
// list runs under Google Benchmark (times and ratios) and in the counting mode
// that scripts/callgrind.sh runs under callgrind (instructions per operation).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct KivBenchOp
{
    std::string group;   // what is measured, e.g. "time.parse 01:02:05"
    std::string variant; // "kiv", or the standard equivalent's name
    std::function<void()> run;
    std::int64_t bytes = 0; // bytes processed per run, for a throughput figure
    // What one run costs in runs of a library operation: the counting mode
    // runs it count / share times (at least once), so that every program ends
    // in about the same time under callgrind.
    long share = 1;
};

// Defined by each benchmark program. May abort with a message when an
// operation does not give the same result as its equivalent.
std::vector<KivBenchOp> kivBenchOps(int &argc, char **argv);

// Allocations (malloc, calloc, realloc) made by this process so far.
std::uint64_t kivAllocations();

// Stops the program with a message when `ok` is false.
void kivBenchCheck(bool ok, const std::string &what);
