#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project
# Benchmarks: builds the Release benchmarks and runs them with Google
# Benchmark, each Kiv operation beside its standard equivalents in the same
# program, and prints the medians of REPETITIONS runs (default 5) and the
# ratio of each Kiv operation to each equivalent. Times are noisy on a busy
# machine; scripts/callgrind.sh gives repeatable instruction counts.
#
#   bash scripts/bench.sh [REPETITIONS] [Google Benchmark options...]
set -euo pipefail
cd "$(dirname "$0")/.."

repetitions="${1:-5}"
shift || true
build=build-bench

bash scripts/deps.sh libbenchmark-dev
cmake --preset benchmarks -B "$build" >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target kiv_bench >/dev/null
programs=("$build/bench/kiv_bench")
for extra in kiv_bench_dialog kiv_bench_cli; do
    if cmake --build "$build" --parallel "$(nproc)" --target "$extra" >/dev/null 2>&1; then
        programs+=("$build/bench/$extra")
    fi
done

# Qt wants a private runtime directory; give the runs one of their own.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR="$(mktemp -d)"
    export XDG_RUNTIME_DIR
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi

echo "Machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(nproc) cores"
for program in "${programs[@]}"; do
    QT_QPA_PLATFORM=offscreen "$program" --benchmark_repetitions="$repetitions" \
        --benchmark_report_aggregates_only=true --benchmark_color=false "$@"
done
