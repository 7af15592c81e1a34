#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project
# Sets everything up, builds the library, the calculator and every test, and
# runs the tests through CTest with warnings as errors: first in the normal
# build (BUILD_DIR), then in a build with AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer (BUILD_DIR-asan), where any report fails the test.
#   scripts/test.sh [BUILD_DIR]   (default: build-test)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build-test}

bash scripts/deps.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

cmake --preset default -B "$build" -DKIV_WARNINGS_AS_ERRORS=ON
cmake --build "$build" --parallel "$jobs"
ctest --test-dir "$build" --output-on-failure --parallel "$jobs"

# Unoptimised, which builds in a third of the time; the checks are the same.
# With Ninja, so that both generators keep building everything. The options
# hold for the test discovery during the build as well.
export ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
cmake --preset sanitizers -B "$build-asan"
cmake --build "$build-asan" --parallel "$jobs"
ctest --test-dir "$build-asan" --output-on-failure --parallel "$jobs"
