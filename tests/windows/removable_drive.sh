#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# parvola-split.exe onto drive A:, which wine takes for a removable drive when it is mapped as a floppy: a
# small tmpfs, emptied into a folder per disk each time the program asks for a new disk at its console.
# The pieces come back whole, the last disk holds the batch file, the readme naming A:\, and the label.
# Usage: removable_drive.sh BUILD_FOLDER WINE_RUN
set -eu
[ "$(id -u)" -eq 0 ] || { echo "skipped: mounting a tmpfs as drive A: needs root"; exit 77; }
build=$1
wine_run=$2
work=$(mktemp -d)
floppy="$work/floppy"
export WINEPREFIX="$work/prefix" WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY= WINEDEBUG=-all TERM=dumb
cleanup() {
    wineserver -k 2>/dev/null || true
    umount "$floppy" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "$*"; exit 1; }

mkdir "$floppy"
mount -t tmpfs -o size=1200k parvola-floppy "$floppy"
# A prefix of the test's own: the drive's type is read when wine starts, so its server is restarted after.
wineboot --init </dev/null >/dev/null 2>&1
$wine_run "$WINEPREFIX" reg add 'HKLM\Software\Wine\Drives' /v a: /t REG_SZ /d floppy /f >/dev/null
ln -s "$floppy" "$WINEPREFIX/dosdevices/a:"
wineserver -k
setsid wineserver -p </dev/null >/dev/null 2>&1 &
sleep 1
wineboot --init </dev/null >/dev/null 2>&1

head -c 2500000 /dev/urandom >"$work/two.bin"
said="$work/console"
# The console's questions need a terminal; Enter there is a carriage return. Wine's console puts escape
# sequences between the letters and moves the cursor instead of writing spaces: only words are looked for.
(
    for disk in 1 2; do
        for _ in $(seq 600); do
            [ "$(sed 's/\x1b\[[0-9;?]*[a-zA-Z]//g' "$said" 2>/dev/null | grep -c 'Enter')" -lt $disk ] || break
            sleep 0.1
        done
        mkdir "$work/disk$disk"
        mv "$floppy"/* "$work/disk$disk/"
        printf '\r'
    done
) | script -qfec "$wine_run $WINEPREFIX $build/src/parvola-split.exe -y -s 1M -d 'A:\\' 'Z:${work//\//\\}\\two.bin'" \
    "$said" >/dev/null || fail "the split failed: $(tr -d '\r' <"$said")"

cat "$work/disk1/two.bin.001" "$work/disk2/two.bin.002" "$floppy/two.bin.003" | cmp - "$work/two.bin" ||
    fail "the pieces on the disks do not make the file"
for file in two.bin.bat two.bin.sha256 Readme.txt; do
    [ -f "$floppy/$file" ] || fail "not on the last disk: $file"
done
[ "$(sed -n 9p "$floppy/Readme.txt" | tr -d '\r')" = 'A:\TWO.BIN.BAT' ] || fail "the readme names: $(sed -n 9p "$floppy/Readme.txt")"
# Wine keeps a drive's label in this file.
[ "$(cat "$floppy/.windows-label")" = Disk1 ] || fail "the last disk is not labelled Disk1"
