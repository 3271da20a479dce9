#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Quorvel (release) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/deps.sh "${BUILD_PACKAGES[@]}"
cmake --preset release >/dev/null
cmake --build --preset release --target quorvel
exec build/release/src/quorvel
