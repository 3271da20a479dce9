#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package as a user does, with scripts/build-package.sh (the release
# build, packed and passed by lintian), unpacks it into a scratch root and checks what a
# desktop needs of it: the program, the menu entry, the AppStream metadata and its licence,
# the icons, the declared dependencies, one version throughout, and that the menu entry's
# command starts.
set -euo pipefail
tree=$(cd "$(dirname "$0")/../.." && pwd)
source "$tree/scripts/packages.sh"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

"$tree/scripts/build-package.sh" "$scratch" >"$scratch/build.log" 2>&1 || {
    cat "$scratch/build.log" >&2
    echo "FAIL: scripts/build-package.sh failed" >&2
    exit 1
}
deb=$(ls "$scratch"/quorvel_*.deb)
dpkg -x "$deb" "$scratch/root"
root=$scratch/root/usr/share
fail() { echo "FAIL: $*" >&2; exit 1; }

[[ -x $scratch/root/usr/bin/quorvel ]] || fail "no /usr/bin/quorvel"
desktop=$root/applications/org.quorvel.Quorvel.desktop
metainfo=$root/metainfo/org.quorvel.Quorvel.metainfo.xml
[[ -f $desktop ]] || fail "no menu entry"
[[ -f $metainfo ]] || fail "no AppStream metadata"
for size in 48 64 128 256; do
    icon=$root/icons/hicolor/${size}x${size}/apps/org.quorvel.Quorvel.png
    [[ -f $icon ]] || fail "no ${size}px icon"
    identify -format '%w %h' "$icon" | grep -qx "$size $size" || fail "${size}px icon has another size"
done
svg=$root/icons/hicolor/scalable/apps/org.quorvel.Quorvel.svg
[[ -f $svg ]] || fail "no scalable icon"
# Live text would be drawn in whatever font the viewer has; the digits are outlines.
grep -q '<text' "$svg" && fail "the scalable icon holds text instead of outlines"

desktop-file-validate "$desktop" || fail "menu entry does not validate"
# Task bars group the window with its entry by the window's instance name.
grep -qx "StartupWMClass=org.quorvel.Quorvel" "$desktop" || fail "menu entry lacks StartupWMClass"
validation=$(appstreamcli validate --no-net "$metainfo" 2>&1) ||
    fail "metadata does not validate: $validation"
grep -q '^[EW]:' <<<"$validation" && fail "metadata validates with warnings: $validation"
metadata_license=$(sed -n 's|.*<metadata_license>\(.*\)</metadata_license>.*|\1|p' "$metainfo")
copyright=$root/doc/quorvel/copyright
grep -q "^Files: .*$(basename "$metainfo")" "$copyright" ||
    fail "copyright has no stanza for the metadata"
grep -qx "License: $metadata_license" "$copyright" || fail "copyright lacks the licence $metadata_license"
for picture in $(sed -n 's|.*<image[^>]*>.*/\([^/<]*\)</image>.*|\1|p' "$metainfo"); do
    [[ -f $tree/docs/$picture ]] || fail "screenshot $picture is not one of the pictures in docs/"
done

depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6gui6 libqt6core6 "${RUNTIME_PACKAGES[@]}"; do
    [[ $depends == *"$package"* ]] || fail "Depends lacks $package: $depends"
done

[[ $(dpkg-deb -f "$deb" Recommends) == *qt6-wayland* ]] ||
    fail "Recommends lacks qt6-wayland, which a Wayland desktop needs"

version=$(dpkg-deb -f "$deb" Version)
changelog=$(zcat "$root/doc/quorvel/changelog.gz" | sed -n 1p)
[[ $changelog == "quorvel ($version) "* ]] || fail "changelog does not begin with $version: $changelog"
release=$(grep -o -m 1 '<release version="[^"]*"' "$metainfo")
[[ $release == "<release version=\"$version\"" ]] || fail "latest AppStream release is not $version"

# The menu entry's command, run from the unpacked tree, starts and keeps running.
command=$(sed -n 's/^Exec=//p' "$desktop")
[[ $command == quorvel ]] || fail "unexpected Exec line: $command"
status=0
QT_QPA_PLATFORM=offscreen PATH="$scratch/root/usr/bin:$PATH" timeout 3 "$command" || status=$?
[[ $status -eq 124 ]] || fail "quorvel did not keep running (exit status $status)"
echo "package ok: $(basename "$deb")"
