#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command and fails when it fails or prints anything: desktop-file-validate reports warnings and
# hints but still succeeds.
output=$("$@" 2>&1)
status=$?
if [ $status -ne 0 ] || [ -n "$output" ]; then
    printf '%s\n' "$output"
    echo "failed: $*"
    exit 1
fi
