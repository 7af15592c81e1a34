#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project
# Measuring a full card: 1,000 clips (copies of the fixtures in
# tests/data/clips under distinct names) in a temporary folder, read by
# `kivfilesize --clip DIR`, by the mediainfo command of the same MediaInfoLib
# over the same folder, and by ffprobe on each file. Warm cache; hyperfine
# where it can be installed, else the median of RUNS timed runs. Prints each
# median and kivfilesize's time as a fraction of mediainfo's (goal: at most
# 0.5 on a two-core machine).
#   scripts/bench-clips.sh [KIVFILESIZE] [RUNS]   (build/bin/kivfilesize, 10)
#   FFPROBE=0 scripts/bench-clips.sh ...          (leaves ffprobe out, ~3 minutes of one run)
#   HYPERFINE=0 scripts/bench-clips.sh ...        (times with date even where hyperfine is)
set -euo pipefail
cd "$(dirname "$0")/.."

kivfilesize=$(realpath "${1:-build/bin/kivfilesize}")
runs=${2:-10}
[ -x "$kivfilesize" ] || { echo "no program at $kivfilesize" >&2; exit 2; }
command -v mediainfo >/dev/null || bash scripts/deps.sh mediainfo
[ "${FFPROBE:-1}" = 0 ] || command -v ffprobe >/dev/null || bash scripts/deps.sh ffmpeg
bash scripts/deps.sh hyperfine >/dev/null 2>&1 || true

card=$(mktemp -d)
trap 'rm -rf "$card"' EXIT
clips=(avchd.MTS card/PRIVATE/M4ROOT/CLIP/C0001.MP4 h264-aac.mp4 h264-aac.ts h264-opus.mkv
       prores-pcm.mov tone.wav)
for i in $(seq 0 999); do
    clip=${clips[$((i % ${#clips[@]}))]}
    cp "tests/data/clips/$clip" "$card/$(printf %04d "$i")-$(basename "$clip")"
done
echo "Machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(nproc) cores"
echo "Folder: 1000 clips, $(du -sb "$card" | cut -f1) bytes"

names=(kivfilesize mediainfo)
commands=("'$kivfilesize' --clip '$card'" "mediainfo '--Inform=General;%Duration%' '$card'")
if [ "${FFPROBE:-1}" != 0 ]; then
    names+=(ffprobe)
    commands+=("for f in '$card'/*; do ffprobe -v error -show_entries format=duration -of csv=p=0 \"\$f\"; done")
fi

medians=()
if [ "${HYPERFINE:-1}" != 0 ] && command -v hyperfine >/dev/null; then
    csv="$card.csv"
    trap 'rm -rf "$card" "$csv"' EXIT
    for k in "${!names[@]}"; do
        # ffprobe starts a process per file: one run, on the cache the others warmed.
        n=$runs warmup=1
        [ "${names[$k]}" = ffprobe ] && n=1 warmup=0
        hyperfine --style basic --warmup "$warmup" --runs "$n" --export-csv "$csv" \
            --command-name "${names[$k]}" "${commands[$k]} >/dev/null" >&2
        medians+=("$(awk -F, 'NR == 2 { print $4 }' "$csv")")
    done
else
    for k in "${!names[@]}"; do
        n=$runs
        [ "${names[$k]}" = ffprobe ] && n=1
        [ "${names[$k]}" = ffprobe ] || bash -c "${commands[$k]}" >/dev/null
        times=()
        for _ in $(seq "$n"); do
            start=$(date +%s%N)
            bash -c "${commands[$k]}" >/dev/null
            times+=($(( $(date +%s%N) - start )))
        done
        medians+=("$(printf '%s\n' "${times[@]}" | sort -n |
            awk '{ t[NR] = $1 } END { printf "%.4f", (t[int((NR + 1) / 2)] + t[int(NR / 2) + 1]) / 2e9 }')")
    done
fi

for k in "${!names[@]}"; do
    printf '%-12s %8.3f s\n' "${names[$k]}" "${medians[$k]}"
done
awk -v k="${medians[0]}" -v m="${medians[1]}" \
    'BEGIN { printf "kivfilesize / mediainfo: %.2f (goal: at most 0.5)\n", k / m }'
