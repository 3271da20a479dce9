#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the tree's .clang-tidy checks over the program's sources, with the compile commands
# of a build folder, on every core; any finding fails.
set -euo pipefail
source_dir=$(realpath "$1")
build_dir=$(realpath "$2")
run-clang-tidy -quiet -p "$build_dir" -j "$(nproc)" "^$source_dir/src/.*\.cpp$" >"$build_dir/clang-tidy.log" 2>&1 ||
    {
        sed 's/\x1b\[[0-9;]*m//g' "$build_dir/clang-tidy.log" | grep -E '(warning|error):' | sort -u >&2
        exit 1
    }
