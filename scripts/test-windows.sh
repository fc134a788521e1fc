#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the Windows build's tests under wine: ctest --test-dir build-windows, with its arguments, in the
# build's own wine prefix.
set -euo pipefail
cd "$(dirname "$0")/.."
export WINEPREFIX="$PWD/build-windows/wine" WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY= WINEDEBUG=err+module
# Wine names the files of Windows programs in the user's character set: without a UTF-8 one (a login with
# no LANG) every name beyond ASCII would fail.
export LC_ALL=C.UTF-8
mkdir -p "$WINEPREFIX"
# One server for the whole run, started with none of our standard streams: wine's background processes
# inherit those of whoever starts them, and ctest waits for every holder of a test's pipes to go away.
setsid wineserver -p </dev/null >/dev/null 2>&1 &
trap 'wineserver -k 2>/dev/null || true' EXIT
sleep 1
# Makes the prefix the first time; starts wine's background processes under that server every time.
wineboot --init </dev/null >/dev/null 2>&1
# With no X display, windows are made through wine's null graphics driver. The desktop process wine starts
# with the prefix picks its driver once, as it starts: a new prefix gets the setting, then a fresh start.
if ! grep -qs '"Graphics"="null"' "$WINEPREFIX/user.reg"; then
    scripts/wine-run.sh "$WINEPREFIX" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /t REG_SZ /d null /f \
        </dev/null >/dev/null 2>&1
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    setsid wineserver -p </dev/null >/dev/null 2>&1 &
    sleep 1
    wineboot --init </dev/null >/dev/null 2>&1
fi
ctest --test-dir build-windows --output-on-failure "$@"
