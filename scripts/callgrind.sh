#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project
# Instruction counts: runs every benchmark operation COUNT times (default
# 1000), or its share of them where one run costs as much as many (a pass over
# 100,000 arguments runs COUNT / 1000 times), under valgrind's callgrind and
# prints instructions per operation, the ratio of each Kiv operation to each
# of its standard equivalents, and allocations per operation. Instruction counts repeat from run to run where
# times do not, so these are the figures to record.
#
#   bash scripts/callgrind.sh [COUNT]
set -euo pipefail
cd "$(dirname "$0")/.."

count="${1:-1000}"
build=build-bench

bash scripts/deps.sh libbenchmark-dev valgrind
cmake --preset benchmarks -B "$build" >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target kiv_bench >/dev/null
programs=("$build/bench/kiv_bench")
for extra in kiv_bench_dialog kiv_bench_cli; do
    if cmake --build "$build" --parallel "$(nproc)" --target "$extra" >/dev/null 2>&1; then
        programs+=("$build/bench/$extra")
    fi
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Each operation's loop is one callgrind dump, named after the operation by a
# client request; the program prints "op NAME COUNT ALLOCATIONS-PER-OP".
# Threads are counted apart, so that the toolkit's helper threads do not add
# to the dialog's figure.
for program in "${programs[@]}"; do
    name="$(basename "$program")"
    QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind --separate-threads=yes --callgrind-out-file="$work/$name.out" \
        "$program" --count="$count" >"$work/$name.ops" 2>"$work/$name.log" || {
        cat "$work/$name.log" >&2
        exit 1
    }
    for dump in "$work/$name.out".*; do
        awk '/^desc: Trigger: Client Request: / { sub(/^desc: Trigger: Client Request: /, "");
                                                  name = $0 }
             /^summary: / { if (name != "") print name, $2 }' "$dump"
    done >>"$work/instructions"
    grep '^op ' "$work/$name.ops" >>"$work/ops"
done

echo "Instructions per operation under callgrind (runs of each after warm-up: $count, or its share):"
awk 'NR == FNR { instructions[$1] = $2; next }
     {
         name = $2; runs = $3; allocs = $4
         split(name, part, "/"); group = part[1]; variant = part[2]
         per = instructions[name] / runs
         if (variant == "kiv") {
             kiv = per; current = group
             printf "  %-26s %-11s %12.0f   allocs %6.2f\n", group, variant, per, allocs
         } else {
             ratio = (group == current && per > 0) ? sprintf("ratio %6.2fx", kiv / per) : ""
             printf "  %-26s %-11s %12.0f   allocs %6.2f   %s\n", "", variant, per, allocs, ratio
         }
     }' "$work/instructions" "$work/ops"
