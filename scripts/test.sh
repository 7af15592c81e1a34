#!/usr/bin/env bash
# Sets everything up, builds the library, the calculator and every test, and
# runs the tests through CTest with warnings as errors.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
cmake -S . -B build-test -DKIV_WARNINGS_AS_ERRORS=ON
cmake --build build-test --parallel "$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir build-test --output-on-failure --parallel "$(nproc)"
