#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what Parvola needs to build, run and test, from Debian's packages.
# Does nothing when everything is already there. With --windows, also what the Windows build needs: the
# mingw-w64 cross compiler, wine to run its tests, NSIS for its installer, and GoogleTest's sources.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libqt6svg6 fonts-dejavu-core libssl-dev
    libgtest-dev libgmock-dev
    time bc strace gcc openssl
    wine locales
    e2fsprogs dosfstools exfatprogs exfat-fuse fusefat
    dpkg-dev file man-db groff-base bsdextrautils desktop-file-utils appstream lintian
)

if [ "${1-}" = --windows ]; then
    packages+=(g++-mingw-w64-x86-64-posix wine wine64 nsis zip googletest util-linux)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
