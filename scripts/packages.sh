# The Debian packages the program needs to build and run, and those its tests add.
# shellcheck shell=bash
BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev
                fonts-wine fonts-comic-neue)
TEST_PACKAGES=(xvfb xauth qt6-wayland openbox xdotool imagemagick x11-utils libbenchmark-dev
               libxcb-damage0-dev pkg-config desktop-file-utils appstream valgrind strace)
