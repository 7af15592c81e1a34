#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project
# Sets everything up, builds the calculator and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh --program
cmake --preset default -DKIV_BUILD_TESTS=OFF
cmake --build build --parallel "$(nproc)" --target kivfilesizecalculator

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "There is no display here (neither DISPLAY nor WAYLAND_DISPLAY is set), so the" \
         "calculator cannot open its window; run it on a desktop, or under a virtual one with:" \
         "xvfb-run build/bin/kivfilesizecalculator"
    exit 1
fi
exec build/bin/kivfilesizecalculator "$@"
