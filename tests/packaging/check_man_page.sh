#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# check_man_page.sh PAGE VERSION [PROGRAM]
# PAGE renders without a warning at 80 columns and names VERSION; with PROGRAM, it describes every long
# option the program's --help lists.
set -u
page=$1 version=$2 program=${3:-}
failed=0
# man-db's sandbox cannot start in some containers; the pages checked are our own.
export MAN_DISABLE_SECCOMP=1

# man's own messages, and groff's warnings, go to the standard error.
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
if [ -n "$warnings" ]; then
    printf '%s\n' "$warnings"
    echo "$page: renders with warnings"
    failed=1
fi

# The rendered page as one line of plain text, so that a phrase is found wherever its lines break.
text=$(LC_ALL=C.UTF-8 MANWIDTH=80 MAN_KEEP_FORMATTING= man -l "$page" 2>/dev/null | col -b | tr -s ' \n' '  ')
case $text in
*"Parvola $version"*) ;;
*)
    echo "$page: does not name version $version"
    failed=1
    ;;
esac

if [ -n "$program" ]; then
    help=$("$program" --help) || {
        echo "$program --help failed"
        exit 1
    }
    options=$(printf '%s\n' "$help" | grep -o -e '--[a-z][a-z-]*' | sort -u)
    [ -n "$options" ] || {
        echo "$program --help lists no options"
        exit 1
    }
    for option in $options; do
        case $text in
        *"$option"*) ;;
        *)
            echo "$page: does not describe $option"
            failed=1
            ;;
        esac
    done
fi
exit $failed
