#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project
# Regenerates the raster icons from data/icons/kivfilesizecalculator.svg:
#   data/icons/kivfilesizecalculator-{16,32,48}.png  full colour, for the Linux icon theme and the window
#   app/kivfilesizecalculator.ico                    the same sizes at 16 colours, for the Windows resource
# The outputs are checked in, so a build needs none of these tools.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh librsvg2-bin imagemagick icoutils

source=data/icons/kivfilesizecalculator.svg
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

ico_images=()
for size in 48 32 16; do
    png=data/icons/kivfilesizecalculator-$size.png
    rsvg-convert --width "$size" --height "$size" --output "$png" "$source"

    # 16 colours with a 1-bit mask: the edges are flattened onto the outline colour, the
    # colours are reduced without dithering and the mask is the alpha channel cut at half.
    convert "$png" -alpha extract -threshold 50% "$work/mask-$size.png"
    convert "$png" -background '#122a52' -alpha remove -alpha off +dither -colors 16 \
        "$work/colours-$size.png"
    convert "$work/colours-$size.png" "$work/mask-$size.png" -alpha off \
        -compose CopyOpacity -composite "PNG32:$work/icon-$size.png"
    ico_images+=("$work/icon-$size.png")
done

icotool --create --bit-depth=4 --output=app/kivfilesizecalculator.ico "${ico_images[@]}"
icotool --list app/kivfilesizecalculator.ico
