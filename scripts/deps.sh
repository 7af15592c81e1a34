#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project
# Installs the Debian packages that building the programs needs and, unless
# the first argument is --program, those that building the tests needs, plus
# any named on the command line, when one of them is missing.
#   scripts/deps.sh [--program] [PACKAGE]...
set -euo pipefail

packages=(cmake make ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-l10n-tools
          qt6-tools-dev libmediainfo-dev)
if [ "${1:-}" = --program ]; then
    shift
else
    packages+=(libgtest-dev libgmock-dev poppler-utils)
fi
packages+=("$@")
missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
