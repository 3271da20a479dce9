#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the README's pictures into docs/: a screenshot of each page of the installed
# program under Xvfb and an animated GIF of one odometer roll. Needs the packages of
# scripts/run-tests.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset debug >/dev/null
cmake --build --preset debug --target quorvel quorvel_render_docs
ctest --preset debug -R '^e2e_install_for_stories$' >/dev/null
mkdir -p docs
QT_QPA_PLATFORM=offscreen build/debug/tests/e2e/quorvel_render_docs docs
ls -l docs
