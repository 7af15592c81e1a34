// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The options kivfilesize reads, for the bare program that reads the same
// ones without linking anything of the project's.
#pragma once

inline constexpr const char *KIV_BARE_VALUE_OPTIONS[] = {
    "bitrate", "mbytes", "size",      "time", "units", "format",       "frame",
    "fps",     "clip",   "clip-list", "plan", "audio", "formats-file", "free"};
inline constexpr const char *KIV_BARE_FLAGS[] = {"json", "list-formats", "clip-events"};
