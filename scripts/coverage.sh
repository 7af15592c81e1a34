#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project
# Builds everything with coverage counters (build-coverage, unoptimised so that
# lines map to code), runs every test and prints the line and branch coverage
# of the library (lib/), the arithmetic (calc/), the dialog (app/) and the command line (cli/). Fails when less than
# KIV_MIN_LIB_LINES percent (default 95) of the library's lines ran.
#   scripts/coverage.sh [BUILD_DIR]   (default: build-coverage)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build-coverage}
minimum=${KIV_MIN_LIB_LINES:-95}

bash scripts/deps.sh gcovr
cmake --preset coverage -B "$build"
cmake --build "$build" --parallel "$(nproc)"
find "$build" -name '*.gcda' -delete
# A failing test still leaves its counts; the report comes all the same.
status=0
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" || status=1

# Branches the compiler adds for exceptions and those it proves dead are no
# decisions of the code, so they are left out.
report() {
    gcovr --root . --object-directory "$build" --filter "$1" \
        --exclude-throw-branches --exclude-unreachable-branches "$build" "${@:2}"
}
for part in lib calc app cli; do
    echo "== $part/: lines =="
    report "$part/" --txt
    echo "== $part/: branches =="
    report "$part/" --txt --branches --print-summary
done
if ! report lib/ --fail-under-line "$minimum" >/dev/null; then
    echo "coverage: less than $minimum% of the library's lines ran" >&2
    status=1
fi
exit "$status"
