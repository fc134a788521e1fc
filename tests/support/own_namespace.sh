#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program as root of a user and mount namespace of its own where the user is not root, so that
# the tests that mount a small or read-only tmpfs run for every user. Where the system allows no such
# namespace, the program runs as it is and those tests skip themselves.
if [ "$(id -u)" -ne 0 ] && unshare -rm true 2>/dev/null; then
    exec unshare -rm -- "$@"
fi
exec "$@"
