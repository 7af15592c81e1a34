#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project
# Start-up of the command line: kivfilesize and a Qt Core program that only
# reads the same options, RUNS runs each (default 31), alternating, from spawn
# to exit; prints the medians and their ratio.
#
#   bash scripts/startup-cli.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."

runs="${1:-31}"
build=build-bench

bash scripts/deps.sh libbenchmark-dev
cmake --preset benchmarks -B "$build" >/dev/null
cmake --build "$build" --parallel "$(nproc)" \
    --target kivfilesize kiv_startup_cli kiv_startup_cli_bare >/dev/null
"$build/bench/kiv_startup_cli" --runs "$runs" "$build/bin/kivfilesize" \
    "$build/bench/kiv_startup_cli_bare" --bitrate 100 --size 64
