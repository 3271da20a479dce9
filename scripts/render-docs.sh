#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the README's and the AppStream metadata's pictures into docs/: a screenshot of
# each page and an animated GIF of one odometer roll, taken from the program as installed,
# in a real X11 window on a private Xvfb server with openbox and the installed fonts.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/deps.sh "${BUILD_PACKAGES[@]}" "${X_SESSION_PACKAGES[@]}"
cmake --preset debug >/dev/null
cmake --build --preset debug --target quorvel quorvel_render_docs
ctest --preset debug -R '^e2e_install_for_stories$' >/dev/null
mkdir -p docs
# The renderer itself shows no window; the program it drives gets the X server.
QT_QPA_PLATFORM=offscreen build/debug/tests/e2e/quorvel_render_docs docs
mkdir -p docs/languages
for catalogue in translations/quorvel_*.ts; do
    language=$(basename "$catalogue" .ts)
    QT_QPA_PLATFORM=offscreen build/debug/tests/e2e/quorvel_render_docs docs/languages \
        "${language#quorvel_}"
done
ls -l docs docs/languages
