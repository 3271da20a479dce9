#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails on an include that climbs folders with "..": the compiler finds such a header beside
# the including file, past the layer views that keep the layers' order.
set -euo pipefail
found=$(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*["<][^">]*\.\.' "$1" || true)
if [ -n "$found" ]; then
    printf 'Includes written with "..":\n%s\n' "$found" >&2
    exit 1
fi
