#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes sure the Debian packages named as arguments are installed. As root it installs the
# missing ones itself; otherwise through sudo, which may ask for the password at a terminal.
# Without either it prints the one apt-get line that would install them and fails.
set -euo pipefail

missing=()
for package in "$@"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

install() {
    "$@" apt-get update -qq
    "$@" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

if [[ $(id -u) -eq 0 ]]; then
    install env
elif command -v sudo >/dev/null && { [[ -t 0 ]] || sudo -n true 2>/dev/null; }; then
    echo "Installing ${missing[*]} with sudo" >&2
    install sudo
else
    echo "Missing packages; install them with:" >&2
    echo "sudo apt-get install ${missing[*]}" >&2
    exit 1
fi
