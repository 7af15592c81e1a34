#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, plus any named
# on the command line, when one of them is missing.
set -euo pipefail

packages=(cmake make g++ qt6-base-dev qt6-base-dev-tools libgtest-dev libgmock-dev "$@")
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
