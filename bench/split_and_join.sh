#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Splits one warm file with parvola-split, coreutils split and cp, and joins the pieces again with
# parvola-join and cat, in turns, on the file system of BENCH_DIR. Reports each tool's median wall time with
# its spread (lowest-highest), the ratios the goals are set in, and the peak memory of Parvola's programs.
#
#   bench/split_and_join.sh [BUILD_DIR]              (default: build)
#   RUNS=7 SIZE_MIB=512 PIECE=100M BENCH_DIR=/tmp     (PIECE: a parvola-split size, K and M decimal)
#   PIECE=1K SIZE_MIB=96 RUNS=1: 100,000 pieces, for the memory goal
set -euo pipefail

build=$(realpath "${1:-build}")
split_bin=$build/src/parvola-split
join_bin=$build/src/parvola-join
runs=${RUNS:-7}
size_mib=${SIZE_MIB:-512}
piece=${PIECE:-100M}
work=$(mktemp -d "${BENCH_DIR:-/tmp}/parvola-bench-XXXXXX")
trap 'rm -rf "$work"' EXIT

# The same size in bytes for coreutils split.
case $piece in
*K) bytes=$(echo "${piece%K} * 1000" | bc) ;;
*M) bytes=$(echo "${piece%M} * 1000000" | bc) ;;
*) echo "PIECE must end in K or M" >&2 && exit 2 ;;
esac
bytes=${bytes%.*}

# Settings of the bench's own, so the user's are untouched; without a terminal the cleanup question is
# answered No, so the source stays for the next run.
export XDG_CONFIG_HOME="$work/config"
mkdir -p "$work/out"
head -c $((size_mib * 1048576)) /dev/urandom >"$work/source.bin"
cat "$work/source.bin" >/dev/null

# Appends "seconds" to NAME.times and "peak-KiB" to NAME.rss for one run of a command.
measure() {
    local name=$1 start end
    shift
    start=$(date +%s.%N)
    /usr/bin/time -f "%M" -o "$work/rss" "$@" </dev/null >/dev/null 2>&1
    end=$(date +%s.%N)
    echo "$end - $start" | bc >>"$work/$name.times"
    cat "$work/rss" >>"$work/$name.rss"
}

# The pieces of the last parvola-split, kept for the joins.
pieces() { mkdir -p "$work/pieces" && "$split_bin" --yes --size "$piece" --dest "$work/pieces" "$work/source.bin" \
    </dev/null >/dev/null 2>&1; }

run() {
    local tool=$1
    rm -rf "$work/out" && mkdir "$work/out" && sync
    case $tool in
    parvola-split) measure "$tool" "$split_bin" --yes --size "$piece" --dest "$work/out" "$work/source.bin" ;;
    split) measure "$tool" split -a 6 -b "$bytes" "$work/source.bin" "$work/out/source.bin." ;;
    cp) measure "$tool" cp "$work/source.bin" "$work/out/source.bin" ;;
    parvola-join) measure "$tool" "$join_bin" --dest "$work/out" "$work/pieces/source.bin.001" ;;
    # The shell sorts the names by number as long as they all have as many digits.
    cat) measure "$tool" sh -c 'cat "$0"/source.bin.[0-9][0-9][0-9] >"$1"/source.bin' "$work/pieces" "$work/out" ;;
    esac
}

tools="parvola-split split cp"
[ -x "$join_bin" ] && tools="$tools parvola-join cat" && pieces
for ((i = 0; i < runs; i++)); do
    # Rotate the order so that no tool always meets another's dirty pages.
    set -- $tools
    for ((k = 0; k < i % $#; k++)); do set -- "${@:2}" "$1"; done
    for tool in "$@"; do run "$tool"; done
done
if [ -x "$join_bin" ]; then
    run parvola-join
    cmp "$work/out/source.bin" "$work/source.bin" || { echo "the join differs" >&2; exit 1; }
fi

median() { sort -g "$1" | awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }
spread() { sort -g "$1" | awk 'NR == 1 { low = $1 } { high = $1 } END { printf "%.3f-%.3f", low, high }'; }

echo "$(df --output=fstype "$work" | tail -n 1) ($work): ${size_mib} MiB into ${piece} pieces, ${runs} runs each"
for tool in $tools; do
    printf '  %-14s median %.3f s  spread %s s  peak %s KiB\n' "$tool" "$(median "$work/$tool.times")" \
        "$(spread "$work/$tool.times")" "$(sort -n "$work/$tool.rss" | tail -n 1)"
done
ratio() { echo "scale=3; $(median "$work/$1.times") / $(median "$work/$2.times")" | bc; }
echo "  parvola-split / cp: $(ratio parvola-split cp)   parvola-split / split: $(ratio parvola-split split)"
[ -x "$join_bin" ] && echo "  parvola-join / cp: $(ratio parvola-join cp)   parvola-join / cat: $(ratio parvola-join cat)"
true
