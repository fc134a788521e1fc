#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes resources/windows/parvola.ico, the Windows programs' icon, from the desktop icon: one PNG per size
# Explorer asks for. Run it after changing the SVG and commit the result (needs librsvg2-bin, icoutils).
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
pngs=()
for size in 16 20 24 32 40 48 64 256; do
    rsvg-convert -w "$size" -h "$size" resources/io.github.parvola.Parvola.svg -o "$work/$size.png"
    pngs+=("$work/$size.png")
done
# The largest is kept as PNG inside the icon, as Windows does since Vista.
icotool -c -o resources/windows/parvola.ico -r "$work/256.png" "${pngs[@]:0:7}"
