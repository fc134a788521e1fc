#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file of the tree says its licence in its first two lines. Usage: check_licence_headers.sh SOURCE
cd "$1" || exit 1
missing=$(find CMakeLists.txt src tests bench scripts cmake .ci resources doc \( -name '*.cpp' -o -name '*.h' -o -name '*.c' -o -name '*.sh' \
    -o -name '*.py' -o -name '*.cmake' -o -name CMakeLists.txt -o -name run \) -type f |
    while read -r file; do
        head -2 "$file" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' || echo "$file"
    done)
[ -z "$missing" ] || { echo "no licence line in:"; echo "$missing"; exit 1; }
