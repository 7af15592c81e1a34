#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project
# Checks what reaches a user: installs into a staging folder and checks the tree, validates the
# desktop entry and the AppStream metainfo (pedantic), builds the Debian package and has lintian
# check it, unpacks it into a scratch root and runs the unpacked programs: the calculator on the
# offscreen platform for a few seconds, kivfilesize once. Any error or warning fails.
#   scripts/check-package.sh [BUILD_DIR]   (default: build-package)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build-package}
id=io.github.kiv.FileSizeCalculator
exe=kivfilesizecalculator
run_seconds=3

fail() {
    echo "check-package: FAILED: $*" >&2
    exit 1
}
ok() { echo "check-package: ok: $*"; }

bash scripts/deps.sh --program desktop-file-utils appstream dpkg-dev lintian
cmake --preset default -B "$build" -DKIV_BUILD_TESTS=OFF -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX=/usr
cmake --build "$build" --parallel "$(nproc)"

# Width and height of a PNG, from its header.
png_size() {
    local bytes
    read -r -a bytes < <(od -An -tu1 -j16 -N8 "$1")
    echo "$(((bytes[0] << 24) | (bytes[1] << 16) | (bytes[2] << 8) | bytes[3]))x$(((bytes[4] << 24) | (bytes[5] << 16) | (bytes[6] << 8) | bytes[7]))"
}

expected=(
    "usr/bin/$exe"
    "usr/bin/kivfilesize"
    "usr/share/doc/kivfilesizecalculator/changelog.gz"
    "usr/share/doc/kivfilesizecalculator/copyright"
    "usr/share/man/man1/kivfilesize.1.gz"
    "usr/share/man/man1/$exe.1.gz"
    "usr/share/kivfilesizecalculator/translations/kivfilesizecalculator_de.qm"
    "usr/share/kivfilesizecalculator/translations/kivfilesizecalculator_es.qm"
    "usr/share/kivfilesizecalculator/translations/kivfilesizecalculator_fr.qm"
    "usr/share/kivfilesizecalculator/translations/kivfilesizecalculator_it.qm"
    "usr/share/kivfilesizecalculator/translations/kivfilesizecalculator_pt_BR.qm"
    "usr/share/applications/$id.desktop"
    "usr/share/icons/hicolor/16x16/apps/$id.png"
    "usr/share/icons/hicolor/32x32/apps/$id.png"
    "usr/share/icons/hicolor/48x48/apps/$id.png"
    "usr/share/icons/hicolor/scalable/apps/$id.svg"
    "usr/share/metainfo/$id.metainfo.xml"
)

# Checks an installed tree under $1: exactly the expected files, in working order.
check_tree() {
    local root=$1 what=$2 listed size
    listed=$(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | sort)
    [ "$listed" = "$(printf '%s\n' "${expected[@]}" | sort)" ] ||
        fail "$what holds other files than expected:"$'\n'"$listed"
    [ -x "$root/usr/bin/$exe" ] || fail "$what: the executable is not executable"
    for size in 16 32 48; do
        [ "$(png_size "$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png")" = "${size}x${size}" ] ||
            fail "$what: the ${size}x${size} icon has the wrong size"
    done
    grep -qx "Icon=$id" "$root/usr/share/applications/$id.desktop" ||
        fail "$what: the desktop entry names another icon"
    grep -qx "Exec=$exe" "$root/usr/share/applications/$id.desktop" ||
        fail "$what: the desktop entry starts another program"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
        "$root/usr/share/metainfo/$id.metainfo.xml" ||
        fail "$what: the metainfo names another desktop entry"
    ok "$what holds the expected files"
}

stage=$PWD/$build/stage
rm -rf "$stage"
DESTDIR=$stage cmake --install "$build" >/dev/null
check_tree "$stage" "staging install"

desktop-file-validate "$stage/usr/share/applications/$id.desktop" ||
    fail "desktop-file-validate rejects the desktop entry"
ok "desktop-file-validate"
# Errors and warnings fail; pedantic notes and hints are printed only.
report=$(appstreamcli validate --pedantic --no-net "$stage/usr/share/metainfo/$id.metainfo.xml" 2>&1) || true
echo "$report"
! grep -qE '^[EW]:' <<<"$report" || fail "appstreamcli finds errors or warnings in the metainfo"
ok "appstreamcli validate --pedantic"
appstreamcli validate-tree --no-net "$stage/usr" || fail "appstreamcli rejects the installed tree"
ok "appstreamcli validate-tree"

rm -f "$build"/*.deb
(cd "$build" && cpack -G DEB >/dev/null)
debs=("$build"/*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then fail "cpack made no single .deb"; fi
deb=${debs[0]}
depends=$(dpkg-deb --field "$deb" Depends)
echo "check-package: $(basename "$deb") depends on: $depends"
for library in libc6 libqt6core6 libqt6widgets6; do
    [[ ", $depends" == *", $library "* ]] || fail "the package does not depend on $library"
done

# Errors and warnings fail; informational tags are printed only.
report=$(lintian --display-level '>=pedantic' "$deb" 2>&1 | grep -v 'running with root privileges') || true
echo "$report"
! grep -qE '^[EW]:' <<<"$report" || fail "lintian finds errors or warnings in the package"
ok "lintian"
for field in Maintainer Section Priority Recommends; do
    echo "check-package: $field: $(dpkg-deb --field "$deb" "$field")"
done
[[ "$(dpkg-deb --field "$deb" Maintainer)" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] ||
    fail "the maintainer is not in the form Name <address>"
recommends=$(dpkg-deb --field "$deb" Recommends)
for package in qt6-wayland qt6-translations-l10n; do
    [[ ", $recommends," == *", $package,"* ]] || fail "the package does not recommend $package"
done

root=$PWD/$build/deb-root
rm -rf "$root"
dpkg-deb --extract "$deb" "$root"
check_tree "$root" "unpacked package"
missing=$(ldd "$root/usr/bin/$exe" | grep 'not found' || true)
[ -z "$missing" ] || fail "the unpacked executable misses libraries:"$'\n'"$missing"

# It has no options and never ends by itself, so it must still run when timeout ends it (124).
status=0
QT_QPA_PLATFORM=offscreen timeout --kill-after=5 "$run_seconds" "$root/usr/bin/$exe" || status=$?
[ "$status" -eq 124 ] ||
    fail "the unpacked calculator ended with status $status within $run_seconds s instead of running on"
ok "the unpacked calculator ran for $run_seconds s on the offscreen platform"
[ "$("$root/usr/bin/kivfilesize" --bitrate 100 --size 64 --units decimal | sed -n 3p)" = "Time:       01:25:20" ] ||
    fail "the unpacked kivfilesize does not answer"
ok "the unpacked kivfilesize answers"
# MediaInfoLib, opened at run time, comes from the package's own Depends.
[[ ", $depends" == *", libmediainfo0v5"* ]] || fail "the package does not depend on libmediainfo0v5"
[ "$("$root/usr/bin/kivfilesize" --clip tests/data/clips/tone.wav --size 1 | sed -n 1p)" = \
    "1 recording (1 file), 00:00:01, 0.000187543 GB: 1.53635 Mbit/s; audio 1.536" ] ||
    fail "the unpacked kivfilesize does not measure a clip"
ok "the unpacked kivfilesize measures a clip with the libmediainfo0v5 it depends on"
echo "check-package: all checks passed"
