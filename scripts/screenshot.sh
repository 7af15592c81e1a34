#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project
# Takes docs/screenshot.png: builds the calculator, runs it under a virtual X server with a
# window manager, types a typical use as a person would (4 into "Card Size", 1:00:00 into
# "Time", Return) and saves the window with its frame. Then docs/planner.png: the planner
# with the example plan of tests/data/plans/shoot.json, its gimbal's clip measured by
# kivfilesize.
#   scripts/screenshot.sh [BUILD_DIR]   (default: build-screenshot)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build-screenshot}
output=docs/screenshot.png
title="Kiv File Size Calculator"
planner_output=docs/planner.png

bash scripts/deps.sh xvfb openbox xdotool x11-utils imagemagick fonts-dejavu-core
cmake --preset default -B "$build" -DKIV_BUILD_TESTS=OFF
cmake --build "$build" --parallel "$(nproc)" --target kivfilesizecalculator kivfilesize

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number to fd 3.
Xvfb -displayfd 3 -screen 0 1280x800x24 -dpi 96 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || { cat "$work/xvfb.log"; echo "Xvfb did not start" >&2; exit 1; }
DISPLAY=":$(head -n1 "$work/display")"
export DISPLAY

openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done

# Starts the calculator with the arguments given, free of the desktop's theme, language and
# this machine's settings, and sets $app and $window once the window named by the pattern $1
# is framed and has the focus.
start() {
    local pattern=$1
    shift
    env -u QT_STYLE_OVERRIDE -u QT_QPA_PLATFORMTHEME -u LANGUAGE LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb \
        XDG_CONFIG_HOME="$work" "$build/bin/kivfilesizecalculator" "$@" >"$work/app.log" 2>&1 &
    app=$!
    pids+=("$app")
    window=""
    for _ in $(seq 200); do
        window=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n1) || true
        [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || { cat "$work/app.log"; echo "no window named $pattern appeared" >&2; exit 1; }
    for _ in $(seq 100); do
        xprop -id "$window" WM_STATE 2>/dev/null | grep -q Normal && break
        sleep 0.1
    done
    xdotool windowactivate --sync "$window"
    sleep 0.5
}

start "^$title\$"

# The focus starts in "Bitrate"; Tab leads to "Card Size" and then to "Time".
xdotool key --delay 50 Tab
xdotool type --delay 50 4
xdotool key --delay 50 Tab
xdotool type --delay 50 1:00:00
xdotool key --delay 50 Return
sleep 0.5

kill -0 "$app" 2>/dev/null || { cat "$work/app.log"; echo "the calculator ended early" >&2; exit 1; }
# The window shows the application's icon in all three sizes.
icons=$(xprop -id "$window" _NET_WM_ICON)
for size in 16 32 48; do
    grep -q "Icon ($size x $size)" <<<"$icons" || { echo "the window has no $size x $size icon" >&2; exit 1; }
done

mkdir -p "$(dirname "$output")"
import -window "$window" -frame -define png:exclude-chunks=date,time "$output"
echo "wrote $output ($(identify -format '%w x %h' "$output"))"
kill "$app"

# The planner with the example plan; the gimbal's clip is measured in a moment.
start "Plan a Shoot\$" --plan tests/data/plans/shoot.json
sleep 2
kill -0 "$app" 2>/dev/null || { cat "$work/app.log"; echo "the planner ended early" >&2; exit 1; }
import -window "$window" -frame -define png:exclude-chunks=date,time "$planner_output"
echo "wrote $planner_output ($(identify -format '%w x %h' "$planner_output"))"
