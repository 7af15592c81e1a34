// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Times two command-line programs from spawn to exit, alternating them with
// the same arguments, and prints the medians and their ratio.
//
//   kiv_startup_cli [--runs N] PROGRAM BARE [ARGUMENT]...
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

extern char **environ;

namespace {

double runOnce(std::vector<char *> argv)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", 01, 0);
    timespec start{};
    timespec end{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (spawned != 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not run to a clean exit\n", argv[0]);
        std::exit(1);
    }
    clock_gettime(CLOCK_MONOTONIC, &end);
    return (end.tv_sec - start.tv_sec) * 1e3 + (end.tv_nsec - start.tv_nsec) / 1e6;
}

double median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const std::size_t n = samples.size();
    return n % 2 == 1 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    int runs = 31;
    int first = 1;
    if (argc > 2 && std::strcmp(argv[1], "--runs") == 0) {
        runs = std::atoi(argv[2]);
        first = 3;
    }
    if (argc - first < 2 || runs < 1) {
        std::fprintf(stderr, "usage: %s [--runs N] PROGRAM BARE [ARGUMENT]...\n", argv[0]);
        return 2;
    }
    std::vector<char *> program{argv[first]};
    std::vector<char *> bare{argv[first + 1]};
    for (int i = first + 2; i < argc; ++i) {
        program.push_back(argv[i]);
        bare.push_back(argv[i]);
    }
    program.push_back(nullptr);
    bare.push_back(nullptr);

    runOnce(program); // warm the page cache
    runOnce(bare);
    std::vector<double> programTimes;
    std::vector<double> bareTimes;
    for (int i = 0; i < runs; ++i) {
        programTimes.push_back(runOnce(program));
        bareTimes.push_back(runOnce(bare));
    }
    const double p = median(programTimes);
    const double b = median(bareTimes);
    std::printf("spawn to exit, median of %d runs each: %s %.2f ms, %s %.2f ms, ratio %.3fx\n",
                runs, argv[first], p, argv[first + 1], b, p / b);
    return 0;
}
