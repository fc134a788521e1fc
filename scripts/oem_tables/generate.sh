#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the C++ table of the characters whose bytes in the OEM code pages differ between Windows and
# glibc's iconv: builds windows_oem.c with mingw-w64, runs it under a private wine prefix and compares.
# Needs gcc-mingw-w64-x86-64 and wine. Usage: generate.sh OUTPUT.cpp
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
out="$(realpath "${1:?usage: generate.sh OUTPUT.cpp}")"
work="$(mktemp -d)"
trap 'WINEPREFIX="$work/prefix" wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT

# The pages the script's spelling tries.
pages=(437 850 852 857 775 866 855 737 869 862 864 874 1258 932 936 950 949)

x86_64-w64-mingw32-gcc -O2 -Wall -Wextra -o "$work/windows_oem.exe" "$here/windows_oem.c"
WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
    wine "$work/windows_oem.exe" "${pages[@]}" 2>/dev/null | tr -d '\r' >"$work/windows.txt"
python3 "$here/compare.py" "$out" <"$work/windows.txt"
