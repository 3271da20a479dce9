#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Quorvel's Debian package: the release build of the program, its manual page and
# changelog, packed by CPack into FOLDER (the clone's top folder when none is given) and
# checked by lintian, which must find no error and no warning.
#   scripts/build-package.sh [FOLDER]
set -euo pipefail
output=$(realpath -m "${1:-$(dirname "$0")/..}")
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/deps.sh "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
cmake --preset release >/dev/null
cmake --build --preset release --target quorvel
staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT
cpack -G DEB --config build/release/CPackConfig.cmake -B "$staging" >/dev/null
mkdir -p "$output"
deb=$(basename "$staging"/quorvel_*.deb)
mv "$staging/$deb" "$output/"
lintian --fail-on error,warning "$output/$deb"
echo "$output/$deb"
