#!/usr/bin/env bash
# Fails when a C++ source does not follow the checked-in .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh clang-format
git ls-files -- '*.cpp' '*.h' | xargs clang-format --dry-run -Werror
echo "check-format: all sources follow .clang-format"
