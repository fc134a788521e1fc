#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Windows program under wine in a prefix of its own: wine-run.sh PREFIX PROGRAM [ARGUMENT...].
# scripts/test-windows.sh makes the prefix and keeps a wine server running for it around ctest.
prefix=$1
shift
export WINEPREFIX="$prefix" WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=
# Errors and missing DLLs are worth seeing; with -all a program whose DLL is missing ends silently.
export WINEDEBUG="${WINEDEBUG-err+module}"
# Debian's wine script names the missing 32-bit wine on every start; the 64-bit loader is all it takes.
if [ -x /usr/lib/wine/wine64 ] && [ ! -x /usr/lib/wine/wine ]; then
    export WINELOADER=/usr/lib/wine/wine64
    exec "$WINELOADER" "$@"
fi
exec wine "$@"
