// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "KivBenchMain.h"

#include <benchmark/benchmark.h>

#ifdef KIV_HAVE_CALLGRIND_H
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_ZERO_STATS
#define CALLGRIND_DUMP_STATS_AT(name) ((void)(name))
#endif

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

std::string nameOf(const KivBenchOp &op)
{
    return op.group + "/" + op.variant;
}

// Keeps the median CPU time of each benchmark (or of its only run) and prints,
// after the usual table, each group's Kiv time against each of its
// equivalents. CPU time, as wall time also counts the time that other
// processes hold the core.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    explicit RatioReporter(const std::vector<KivBenchOp> &ops)
        : ConsoleReporter(isatty(1) ? OO_Defaults : OO_Tabular), ops_(ops)
    {
    }

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            const std::string name = run.run_name.function_name;
            if (run.run_type == Run::RT_Aggregate) {
                if (run.aggregate_name == "median") {
                    times_[name] = run.GetAdjustedCPUTime();
                    medians_[name] = true;
                }
            } else if (!medians_[name]) {
                times_[name] = run.GetAdjustedCPUTime();
            }
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\nRatios of CPU times, Kiv / equivalent (ns per operation):\n");
        const std::string none;
        std::string group;
        double kiv = 0.0;
        for (const KivBenchOp &op : ops_) {
            const auto found = times_.find(nameOf(op));
            if (found == times_.end()) {
                continue;
            }
            if (op.variant == "kiv") {
                group = op.group;
                kiv = found->second;
                std::printf("  %-28s kiv %10.1f\n", op.group.c_str(), kiv);
            } else if (op.group == group && found->second > 0.0) {
                std::printf("  %-28s %-12s %10.1f   ratio %6.2fx\n", "", op.variant.c_str(),
                            found->second, kiv / found->second);
            }
        }
    }

private:
    const std::vector<KivBenchOp> &ops_;
    std::map<std::string, double> times_;
    std::map<std::string, bool> medians_;
};

// Runs each operation its share of `count` times between callgrind's zeroing
// and a dump named after it, and prints the runs and allocations per run.
int countMode(const std::vector<KivBenchOp> &ops, long count, const char *filter)
{
    for (const KivBenchOp &op : ops) {
        const std::string name = nameOf(op);
        if (filter != nullptr && name.find(filter) == std::string::npos) {
            continue;
        }
        const long runs = std::max(1L, count / std::max(1L, op.share));
        for (long i = 0; i < runs / 10 + (op.share > 1 ? 1 : 10); ++i) {
            op.run();
        }
        const std::uint64_t before = kivAllocations();
        CALLGRIND_ZERO_STATS;
        for (long i = 0; i < runs; ++i) {
            op.run();
        }
        CALLGRIND_DUMP_STATS_AT(name.c_str());
        const std::uint64_t after = kivAllocations();
        std::printf("op %s %ld %.2f\n", name.c_str(), runs,
                    static_cast<double>(after - before) / static_cast<double>(runs));
    }
    return 0;
}

} // namespace

void kivBenchCheck(bool ok, const std::string &what)
{
    if (!ok) {
        std::fprintf(stderr, "benchmark check failed: %s\n", what.c_str());
        std::exit(2);
    }
}

// Options of its own, before Google Benchmark's: --count=N runs the counting
// mode (with --filter=TEXT, only the operations whose name contains TEXT).
int main(int argc, char **argv)
{
    long count = 0;
    const char *filter = nullptr;
    std::vector<char *> rest;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], "--count=", 8) == 0) {
            count = std::strtol(argv[i] + 8, nullptr, 10);
        } else if (std::strncmp(argv[i], "--filter=", 9) == 0) {
            filter = argv[i] + 9;
        } else {
            rest.push_back(argv[i]);
        }
    }
    int restCount = static_cast<int>(rest.size());
    rest.push_back(nullptr);

    const std::vector<KivBenchOp> ops = kivBenchOps(restCount, rest.data());
    if (count > 0) {
        return countMode(ops, count, filter);
    }

    benchmark::Initialize(&restCount, rest.data());
    if (benchmark::ReportUnrecognizedArguments(restCount, rest.data())) {
        return 1;
    }
    for (const KivBenchOp &op : ops) {
        const std::function<void()> run = op.run;
        const std::int64_t bytes = op.bytes;
        benchmark::RegisterBenchmark(nameOf(op).c_str(), [run, bytes](benchmark::State &state) {
            const std::uint64_t before = kivAllocations();
            for (auto _ : state) {
                run();
            }
            const std::uint64_t after = kivAllocations();
            state.counters["allocs"] = benchmark::Counter(static_cast<double>(after - before),
                                                          benchmark::Counter::kAvgIterations);
            if (bytes > 0) {
                state.SetBytesProcessed(state.iterations() * bytes);
            }
        })->Unit(benchmark::kNanosecond);
    }
    RatioReporter reporter(ops);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
