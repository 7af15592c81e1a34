// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Stands in for "kivfilesize --clip-events --clip PATH" failing as a damaged
// clip can make the media parser fail: it says it reads PATH, then aborts,
// or with KIV_STAND_IN=hang never finishes.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

int main(int argc, char *argv[])
{
    std::printf("{\"event\": \"reading\", \"path\": \"%s\"}\n", argc > 3 ? argv[3] : "");
    std::fflush(stdout);
    const char *mode = std::getenv("KIV_STAND_IN");
    if (mode != nullptr && std::strcmp(mode, "hang") == 0) {
        for (;;) {
            pause();
        }
    }
    std::abort();
}
