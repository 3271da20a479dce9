#!/usr/bin/env bash
# Builds Quorvel and runs every test, the real-window ones included.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/deps.sh "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
cmake --preset debug
cmake --build --preset debug
ctest --preset debug
