#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Quorvel and runs every test, the real-window ones included; then runs the event
# storm again in the AddressSanitizer and UndefinedBehaviorSanitizer build.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/deps.sh "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
cmake --preset debug
cmake --build --preset debug
ctest --preset debug
cmake --preset asan
cmake --build --preset asan --target tst_storm
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 ctest --preset asan -R '^tst_storm$'
