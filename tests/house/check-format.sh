#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails on any C++ file of the tree that clang-format, with the tree's .clang-format, would
# change; it names each such file and the first of its lines that differ.
set -euo pipefail
cd "$1"
find src tests bench resources -name '*.cpp' -o -name '*.h' | sort |
    xargs clang-format --dry-run -Werror
