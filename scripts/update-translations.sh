#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project
# Refreshes the translation sources (translations/*.ts) from the windows'
# forms and sources: new texts arrive unfinished, for a translator to fill in
# with Qt Linguist; texts gone from the sources are dropped.
#   scripts/update-translations.sh [--check]
# With --check nothing is written: fails when a text of the sources has no
# finished translation in every language, or when a translation is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh --program qt6-l10n-tools
lupdate=/usr/lib/qt6/bin/lupdate
# Every source of the windows, by folder, and the protocol texts they show.
sources=(app/common app/calculator app/planner calc/include/calc/KivClipProtocol.h
         plan/KivPlanWords.cpp plan/include/plan/KivPlanWords.h)
includes=(-I app/common/include -I app/calculator/include -I app/planner/include -I plan/include)
languages=(de fr es it pt_BR)

if [ "${1:-}" != --check ]; then
    for language in "${languages[@]}"; do
        "$lupdate" -silent -no-obsolete -locations none "${includes[@]}" "${sources[@]}" \
            -target-language "$language" -ts "translations/kivfilesizecalculator_$language.ts"
    done
    echo "update-translations: refreshed translations/*.ts"
    exit 0
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
for language in "${languages[@]}"; do
    ts=translations/kivfilesizecalculator_$language.ts
    if [ ! -f "$ts" ]; then
        echo "check-translations: $ts is missing" >&2
        failed=1
        continue
    fi
    cp "$ts" "$work/"
    report=$("$lupdate" -no-obsolete -locations none "${includes[@]}" "${sources[@]}" -ts "$work/$(basename "$ts")" 2>&1)
    if ! grep -q '(0 new and' <<<"$report"; then
        echo "check-translations: $ts lacks texts of the sources: $(grep -o 'Found.*' <<<"$report")" >&2
        failed=1
    fi
    if grep -q 'type="unfinished"\|type="vanished"\|type="obsolete"' "$work/$(basename "$ts")"; then
        echo "check-translations: $ts has unfinished or vanished entries:" >&2
        grep -B2 'type="unfinished"\|type="vanished"\|type="obsolete"' "$work/$(basename "$ts")" | grep '<source>' >&2 || true
        failed=1
    fi
done
[ "$failed" -eq 0 ] || exit 1
echo "check-translations: every text of the sources is translated in ${languages[*]}"
