#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project
# Builds the fuzz targets as libFuzzer programs with clang-14, AddressSanitizer
# and UndefinedBehaviorSanitizer, runs each for a bounded time starting from
# its checked-in corpus, prints the executions per target, then replays the
# checked-in corpus through CTest.
#
#   FUZZ_SECONDS  seconds per target (default 20)
#   FUZZ_TARGETS  space-separated targets to run (default: all)
#   FUZZ_BUILD    build directory (default build-fuzz)
#
# New inputs go to $FUZZ_BUILD/corpus/<target>, crashes to
# $FUZZ_BUILD/crashes/<target>/; the checked-in corpus is only read. A crash
# that is fixed belongs in fuzz/corpus/<target>/ as a regression input.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${FUZZ_SECONDS:-20}
build=${FUZZ_BUILD:-build-fuzz}
all="unquote_bytes quote_roundtrip parse_integer parse_decimal bool_from_text time_parse
     time_format formatter buffer_ops list_ops value_ops formats_catalogue plan_file file_name_roundtrip"
targets=${FUZZ_TARGETS:-$all}

bash scripts/deps.sh clang-14 libclang-rt-14-dev
cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKIV_BUILD_APP=OFF -DKIV_BUILD_CLI=OFF -DKIV_BUILD_TESTS=OFF -DKIV_BUILD_FUZZERS=ON -DKIV_LIBFUZZER=ON \
    -DKIV_WARNINGS_AS_ERRORS=ON \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake --build "$build" --parallel "$(nproc)"

# Longest input per target: text targets need room for long digit runs and
# patterns beyond the 256-character template; operation sequences more; a
# formats file several entries.
max_len() {
    case "$1" in
    parse_integer | bool_from_text | time_parse) echo 256 ;;
    unquote_bytes | quote_roundtrip | parse_decimal | time_format) echo 512 ;;
    formats_catalogue | plan_file) echo 4096 ;;
    *) echo 1024 ;;
    esac
}

failed=()
summary=()
for target in $targets; do
    work="$build/corpus/$target"
    crashes="$build/crashes/$target"
    log="$build/fuzz-$target.log"
    mkdir -p "$work" "$crashes"
    status=0
    "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len="$(max_len "$target")" \
        -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$crashes/" \
        "$work" "fuzz/corpus/$target" >"$log" 2>&1 || status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    corpus=$(find "$work" "fuzz/corpus/$target" -type f | wc -l)
    if [ "$status" -eq 0 ]; then
        result="ok"
    else
        result="FAILED (see $log and $crashes)"
        failed+=("$target")
        grep -E 'ERROR|check failed|runtime error|SUMMARY' "$log" | head -5 || true
    fi
    line=$(printf '%-16s %12s executions %6s corpus files  %s' "$target" "${runs:-?}" "$corpus" "$result")
    summary+=("$line")
    echo "$line"
done

echo
echo "Fuzzing summary (${seconds}s per target):"
printf '  %s\n' "${summary[@]}"

ctest --test-dir "$build" --output-on-failure

if [ ${#failed[@]} -gt 0 ]; then
    echo "Fuzz targets that failed: ${failed[*]}"
    exit 1
fi
