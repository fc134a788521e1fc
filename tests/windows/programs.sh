#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# parvola-split.exe and parvola-join.exe under wine, on a UTF-8 name: the pieces, the checksums that
# Linux's sha256sum checks, the readme naming the batch file by its Windows path, the join back into the
# same bytes; and Ctrl+C, which takes back what the split wrote and exits with 130.
# Usage: programs.sh BUILD_FOLDER WINE_RUN
set -eu
export LC_ALL=C.UTF-8
build=$1
run="$2 $build/wine"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "$*"; exit 1; }
windows() { printf 'Z:%s' "${1//\//\\}"; }

mkdir "$work/pieces" "$work/joined" "$work/cancelled"
head -c 2500000 /dev/urandom >"$work/Größe.bin"
$run "$build/src/parvola-split.exe" -y -s 1M -d "$(windows "$work/pieces")" "$(windows "$work/Größe.bin")" ||
    fail "the split failed"
[ "$(cd "$work/pieces" && ls | tr '\n' ' ')" = "Größe.bin.001 Größe.bin.002 Größe.bin.003 Größe.bin.bat Größe.bin.sha256 Readme.txt " ] ||
    fail "pieces: $(ls "$work/pieces")"
(cd "$work/pieces" && sha256sum --quiet --ignore-missing -c Größe.bin.sha256) || fail "the checksums do not match"
line=$(sed -n 9p "$work/pieces/Readme.txt" | tr -d '\r')
expected=$(windows "$work/pieces/Größe.bin.BAT" | sed 's/.*/\U&/')
[ "$line" = "$expected" ] || fail "the readme names $line, not $expected"

$run "$build/src/parvola-join.exe" -d "$(windows "$work/joined")" "$(windows "$work/pieces/Größe.bin.001")" ||
    fail "the join failed"
cmp "$work/Größe.bin" "$work/joined/Größe.bin"

head -c 300000000 /dev/zero >"$work/big.img"
$run "$build/src/parvola-split.exe" -y -s 1M -d "$(windows "$work/cancelled")" "$(windows "$work/big.img")" &
split=$!
for _ in $(seq 100); do
    [ "$(ls "$work/cancelled" | wc -l)" -lt 5 ] || break
    sleep 0.1
done
[ "$(ls "$work/cancelled" | wc -l)" -ge 5 ] || fail "the split wrote no pieces to cancel"
kill -INT $split
code=0
wait $split || code=$?
[ $code -eq 130 ] || fail "Ctrl+C ended the split with $code"
[ -z "$(ls -A "$work/cancelled")" ] || fail "left after Ctrl+C: $(ls -A "$work/cancelled" | head -3)"
