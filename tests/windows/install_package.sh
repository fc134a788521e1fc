#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The NSIS installer, made afresh, installs silently under wine where it is told, with its Start-menu
# entries and working programs, and its uninstaller takes all of that away again.
# Usage: install_package.sh BUILD_FOLDER WINE_RUN TOP_CMAKELISTS
set -eu
build=$1
run="$2 $build/wine"
out=$(mktemp -d)
folder=parvola-install-test
installed="$build/wine/drive_c/$folder"
menu="$build/wine/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
trap 'rm -rf "$out" "$installed"' EXIT
fail() { echo "$*"; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G NSIS -B "$out" >/dev/null
# A run that failed before uninstalling leaves the installation's key behind; the installer would then try
# to run an uninstaller that is gone and wait on a box saying it failed.
$run reg delete 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Parvola' /f >/dev/null 2>&1 || true
$run "$out"/parvola-*-win64.exe /S "/D=C:\\$folder"
for file in parvola.exe parvola-split.exe parvola-join.exe README.txt LICENSE.txt help/index.html Uninstall.exe; do
    [ -f "$installed/$file" ] || fail "not installed: $file"
done
for entry in "Parvola manual" Parvola; do
    [ -f "$menu/"Parvola*"/$entry.lnk" ] || fail "no Start-menu entry: $entry"
done
# "Open with" offers the window for any file, handing it the file.
openWith='HKCR\Applications\parvola.exe\shell\open\command'
$run reg query "$openWith" 2>/dev/null | tr -d '\r' | grep -qF "\\$folder\\parvola.exe\" \"%1\"" ||
    fail "no \"Open with\" entry: $($run reg query "$openWith" 2>&1)"
$run reg query 'HKCR\*\OpenWithList\parvola.exe' >/dev/null 2>&1 || fail "parvola.exe is not in any file's Open with list"
said=$($run "$installed/parvola-split.exe" --version | tr -d '\r')
[ "$said" = "parvola-split $(sed -n 's/^project(Parvola VERSION \([0-9.]*\).*/\1/p' "$3")" ] ||
    fail "the installed parvola-split says: $said"

# _?= runs the uninstaller where it is and waits for it, instead of from a copy that returns at once.
$run "$installed/Uninstall.exe" /S "_?=C:\\$folder"
for file in parvola-split.exe parvola-join.exe README.txt help/index.html; do
    [ ! -e "$installed/$file" ] || fail "left after uninstalling: $file"
done
! ls -d "$menu/"Parvola* 2>/dev/null || fail "the Start-menu entries are left"
! $run reg query "$openWith" >/dev/null 2>&1 || fail "the \"Open with\" entry is left"
