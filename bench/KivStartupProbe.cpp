// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "KivStartupProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <sys/resource.h>

namespace {

long residentKilobytes()
{
    long kilobytes = -1;
    if (std::FILE *status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, status) != nullptr) {
            if (std::strncmp(line, "VmRSS:", 6) == 0) {
                kilobytes = std::strtol(line + 6, nullptr, 10);
            }
        }
        std::fclose(status);
    }
    return kilobytes;
}

class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QWidget *window) : QObject(window), window_(window) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == window_ && event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Runs once the event that paints and flushes the frame is done.
            QTimer::singleShot(0, [] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                const long long nanoseconds = now.tv_sec * 1000000000LL + now.tv_nsec;
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                const long long cpu = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000LL +
                                      usage.ru_utime.tv_usec + usage.ru_stime.tv_usec;
                std::printf("%lld %ld %lld\n", nanoseconds, residentKilobytes(), cpu);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    QWidget *window_;
    bool seen_ = false;
};

} // namespace

void kivStartupProbe(QWidget *window)
{
    window->installEventFilter(new FirstPaint(window));
}
