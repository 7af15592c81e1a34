#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project
# Fails when a C++ source does not follow the checked-in .clang-format, which
# needs clang-format 16 (braces on every body).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh clang-format-16
git ls-files -- '*.cpp' '*.h' | xargs clang-format-16 --dry-run -Werror
echo "check-format: all sources follow .clang-format"
