#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project
# Start-up and memory: times, over RUNS runs each (default 20), alternating,
# the calculator's dialog class and a bare Qt dialog with the same widget tree
# from process spawn to the end of the first paint, reads the resident memory
# then, and prints the medians and both ratios. Uses the display in DISPLAY,
# else a virtual X display (xvfb-run), else Qt's offscreen platform.
#
#   bash scripts/startup.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."

runs="${1:-20}"
build=build-bench

bash scripts/deps.sh libbenchmark-dev xvfb xauth
cmake --preset benchmarks -B "$build" >/dev/null
cmake --build "$build" --parallel "$(nproc)" \
    --target kiv_startup kiv_startup_calculator kiv_startup_bare >/dev/null

# Qt wants a private runtime directory; give the runs one of their own.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR="$(mktemp -d)"
    export XDG_RUNTIME_DIR
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi

launch=("$build/bench/kiv_startup" --runs "$runs"
        "$build/bench/kiv_startup_calculator" "$build/bench/kiv_startup_bare")
if [ -n "${DISPLAY:-}" ]; then
    echo "Display: $DISPLAY"
    "${launch[@]}"
elif command -v xvfb-run >/dev/null; then
    echo "Display: virtual X server (xvfb-run)"
    xvfb-run -a -s "-screen 0 1280x1024x24" "${launch[@]}"
else
    echo "Display: none, Qt offscreen platform"
    QT_QPA_PLATFORM=offscreen "${launch[@]}"
fi
