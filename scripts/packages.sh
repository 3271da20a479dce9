# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian packages the program needs to build and run, and those its tests add.
# shellcheck shell=bash
# What the installed program needs beside its libraries: the stand-in faces, the opener
# of the logo's web address and Qt's own texts in the desktop's language. The Debian package's Depends line reads this line, so keep
# the list on it.
RUNTIME_PACKAGES=(fonts-freefont-ttf fonts-comic-neue xdg-utils qt6-translations-l10n)
BUILD_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-tools-dev
                qt6-l10n-tools libgl-dev libxcb1-dev "${RUNTIME_PACKAGES[@]}")
# What packs the program into a Debian package and checks it (scripts/build-package.sh).
PACKAGE_PACKAGES=(dpkg-dev file lintian)
# What drives the program in a private X session and takes its pictures (the real-window
# tests, scripts/render-docs.sh).
X_SESSION_PACKAGES=(xvfb xauth openbox xdotool imagemagick x11-utils)
TEST_PACKAGES=("${PACKAGE_PACKAGES[@]}" "${X_SESSION_PACKAGES[@]}" wmctrl weston qt6-wayland
               xwayland adwaita-qt6
               libbenchmark-dev libxcb-damage0-dev desktop-file-utils appstream
               valgrind strace man-db dbus-daemon at-spi2-core python3
               python3-pyatspi python3-gi gir1.2-atspi-2.0 orca clang-format clang-tidy)
