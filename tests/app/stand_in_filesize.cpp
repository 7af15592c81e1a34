// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Stands in for "kivfilesize --clip-events --clip-list -" failing as a damaged
// clip can make the media parser fail, or lying: it reads the first path from
// standard input and says it reads it, then, as KIV_STAND_IN says, aborts
// (crash, the default), never finishes (hang), sends a total that cannot be
// right (negative, text, infinite, half a recording), sends nothing (silent),
// one endless line (endless), says MediaInfoLib is missing (nomediainfo),
// sends a total with only the members that must be there (minimal), or one
// whose counts by reason or completeness cannot be right (reasons, complete).
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

const char TOTAL[] = "{\"event\": \"total\", \"recordings\": %s, \"clips\": 1, \"bytes\": 24347, "
                     "\"seconds\": 2, \"mbit_s\": %s, \"video_mbit_s\": null, "
                     "\"audio_mbit_s\": null, \"skipped\": 0}\n";

} // namespace

int main()
{
    const char *set = std::getenv("KIV_STAND_IN");
    const std::string mode = set != nullptr ? set : "crash";
    if (mode == "silent") {
        return 0;
    }
    std::string path;
    for (int c = 0; (c = std::getchar()) != EOF && c != '\0';) {
        path += static_cast<char>(c);
    }
    std::printf("{\"event\": \"reading\", \"path\": \"%s\"}\n", path.c_str());
    std::fflush(stdout);
    if (mode == "hang") {
        for (;;) {
            pause();
        }
    }
    const char *rate = mode == "negative"   ? "-5"
                       : mode == "text"     ? "\"abc\""
                       : mode == "infinite" ? "1e999"
                       : mode == "half"     ? "0.097388"
                                            : nullptr;
    if (rate != nullptr) {
        std::printf(TOTAL, mode == "half" ? "0.5" : "1", rate);
        return 0;
    }
    if (mode == "reasons" || mode == "complete") {
        std::printf("{\"event\": \"total\", \"recordings\": 1, \"seconds\": 2, \"mbit_s\": 1, "
                    "%s}\n",
                    mode == "reasons" ? "\"skipped_reasons\": {\"unreadable\": -1}"
                                      : "\"complete\": \"no\"");
        return 0;
    }
    if (mode == "minimal") {
        std::puts("{\"event\": \"total\", \"recordings\": 2, \"seconds\": 4, \"mbit_s\": 10}");
        return 0;
    }
    if (mode == "nomediainfo") {
        std::puts("{\"event\": \"failed\", \"code\": \"no_mediainfo\", \"reason\": \"measuring "
                  "clips needs libmediainfo0v5\"}");
        return 2;
    }
    if (mode == "endless") {
        std::fputs("{\"event\": \"total\", \"path\": \"", stdout);
        for (;;) {
            if (std::fputs("xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx", stdout) == EOF) {
                return 1;
            }
        }
    }
    std::abort();
}
