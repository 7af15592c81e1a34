// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Times the start-up of two probe programs, alternating them: from just
// before the process is spawned to the end of its first paint (the probe
// prints that moment on the same monotonic clock), and the resident memory
// then. Prints the medians and the ratios of the first program to the second.
//
//   kiv_startup [--runs N] [--warmup N] CALCULATOR BARE
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

extern char **environ;

namespace {

struct Sample
{
    double milliseconds;    // spawn to first paint, wall clock
    double cpuMilliseconds; // CPU time of the process until then
    long kilobytes;         // resident memory then
};

long long monotonicNow()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

// One run of `program`; exits with a message when it does not report.
Sample runOnce(const char *program)
{
    int channel[2];
    if (pipe(channel) != 0) {
        std::perror("pipe");
        std::exit(1);
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, channel[1], 1);
    posix_spawn_file_actions_addclose(&actions, channel[0]);
    posix_spawn_file_actions_addclose(&actions, channel[1]);
    char *argv[] = {const_cast<char *>(program), nullptr};

    const long long start = monotonicNow();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(channel[1]);
    if (spawned != 0) {
        std::fprintf(stderr, "cannot start %s: %s\n", program, std::strerror(spawned));
        std::exit(1);
    }

    std::string output;
    pollfd reading{channel[0], POLLIN, 0};
    const long long deadline = start + 30LL * 1000000000LL;
    for (;;) {
        const long long left = (deadline - monotonicNow()) / 1000000;
        if (left <= 0 || poll(&reading, 1, static_cast<int>(left)) <= 0) {
            kill(child, SIGKILL);
            break;
        }
        char chunk[256];
        const ssize_t n = read(channel[0], chunk, sizeof chunk);
        if (n <= 0) {
            break;
        }
        output.append(chunk, static_cast<std::size_t>(n));
    }
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);

    long long painted = 0;
    long kilobytes = 0;
    long long cpu = 0;
    if (std::sscanf(output.c_str(), "%lld %ld %lld", &painted, &kilobytes, &cpu) != 3 ||
        painted < start) {
        std::fprintf(stderr,
                     "%s reported no first paint (is a display or "
                     "QT_QPA_PLATFORM=offscreen available?)\n",
                     program);
        std::exit(1);
    }
    return {static_cast<double>(painted - start) / 1e6, static_cast<double>(cpu) / 1e3, kilobytes};
}

template <typename T> T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Medians
{
    double milliseconds;
    double cpuMilliseconds;
    double kilobytes;
};

// Median, minimum and maximum of one field of the samples.
double describe(const std::vector<Sample> &samples, double (*field)(const Sample &), char *out,
                std::size_t size)
{
    std::vector<double> values;
    for (const Sample &s : samples) {
        values.push_back(field(s));
    }
    const double m = median(values);
    std::snprintf(out, size, "%9.1f (%.1f to %.1f)", m,
                  *std::min_element(values.begin(), values.end()),
                  *std::max_element(values.begin(), values.end()));
    return m;
}

Medians summary(const char *name, const std::vector<Sample> &samples)
{
    char wall[64];
    char cpu[64];
    char memory[64];
    Medians m{};
    m.milliseconds = describe(
        samples, [](const Sample &s) { return s.milliseconds; }, wall, sizeof wall);
    m.cpuMilliseconds = describe(
        samples, [](const Sample &s) { return s.cpuMilliseconds; }, cpu, sizeof cpu);
    m.kilobytes = describe(
        samples, [](const Sample &s) { return static_cast<double>(s.kilobytes); }, memory,
        sizeof memory);
    std::printf("  %-12s %s  %s  %s\n", name, wall, cpu, memory);
    return m;
}

} // namespace

int main(int argc, char **argv)
{
    int runs = 20;
    int warmup = 2;
    std::vector<const char *> programs;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) {
            runs = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--warmup") == 0 && i + 1 < argc) {
            warmup = std::atoi(argv[++i]);
        } else {
            programs.push_back(argv[i]);
        }
    }
    if (programs.size() != 2 || runs < 1 || warmup < 0) {
        std::fprintf(stderr, "usage: %s [--runs N] [--warmup N] CALCULATOR BARE\n", argv[0]);
        return 2;
    }

    for (int i = 0; i < warmup; ++i) {
        runOnce(programs[0]);
        runOnce(programs[1]);
    }
    // Alternate the order too, so that neither program always runs first.
    std::vector<Sample> samples[2];
    for (int i = 0; i < runs; ++i) {
        const int first = i % 2;
        samples[first].push_back(runOnce(programs[first]));
        samples[1 - first].push_back(runOnce(programs[1 - first]));
    }

    std::printf("Start-up over %d runs each, alternating; medians (min to max):\n", runs);
    std::printf("  %-12s %-26s %-26s %s\n", "", "first paint, ms", "CPU time until then, ms",
                "resident memory, kB");
    const Medians calculator = summary("calculator", samples[0]);
    const Medians bare = summary("bare dialog", samples[1]);
    std::printf("Ratios, calculator / bare dialog: first paint %.3fx (CPU time %.3fx), "
                "resident memory %.3fx\n",
                calculator.milliseconds / bare.milliseconds,
                calculator.cpuMilliseconds / bare.cpuMilliseconds,
                calculator.kilobytes / bare.kilobytes);
    return 0;
}
