#!/usr/bin/env bash
# Splits one file into 100 MB pieces with parvola-split and with coreutils split, in the same run and on
# the same warm file, and reports the median wall times, their ratio and parvola-split's peak memory.
#
#   bench/split_vs_coreutils.sh [PARVOLA_SPLIT]     (default: build/src/parvola-split)
#   RUNS=5 SIZE_MIB=1024 BENCH_DIR=/tmp
set -euo pipefail

bin=$(realpath "${1:-build/src/parvola-split}")
runs=${RUNS:-5}
size_mib=${SIZE_MIB:-1024}
work=$(mktemp -d "${BENCH_DIR:-/tmp}/parvola-bench-XXXXXX")
trap 'rm -rf "$work"' EXIT

# Settings of the bench's own, so the user's are untouched; without a terminal the cleanup question is
# answered No, so the source stays for the next run.
export XDG_CONFIG_HOME="$work/config"
mkdir -p "$work/parvola" "$work/split"
head -c $((size_mib * 1048576)) /dev/urandom >"$work/source.bin"
cat "$work/source.bin" >/dev/null

# Prints "seconds peak-KiB" of one command.
measure() {
    local start end
    start=$(date +%s.%N)
    /usr/bin/time -f "%M" -o "$work/rss" "$@" </dev/null >/dev/null 2>&1
    end=$(date +%s.%N)
    echo "$(echo "$end - $start" | bc) $(cat "$work/rss")"
}

median() { sort -g | awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }

: >"$work/parvola.times"
: >"$work/split.times"
: >"$work/parvola.rss"
for ((i = 1; i <= runs; i++)); do
    # Alternate the order so that neither tool always meets the other's dirty pages.
    for tool in $([ $((i % 2)) -eq 1 ] && echo "parvola split" || echo "split parvola"); do
        rm -f "$work/$tool"/*
        sync
        if [ "$tool" = parvola ]; then
            read -r seconds rss < <(measure "$bin" --yes --size 100M --dest "$work/parvola" "$work/source.bin")
            echo "$rss" >>"$work/parvola.rss"
        else
            read -r seconds rss < <(measure split -b 100000000 "$work/source.bin" "$work/split/source.bin.")
        fi
        echo "$seconds" >>"$work/$tool.times"
    done
done

cmp <(cat "$work"/parvola/source.bin.0* ) "$work/source.bin" >/dev/null || { echo "pieces differ from the source" >&2; exit 1; }

parvola=$(median <"$work/parvola.times")
split=$(median <"$work/split.times")
peak=$(sort -n "$work/parvola.rss" | tail -n 1)
echo "file: ${size_mib} MiB, 100 MB pieces, ${runs} runs each"
echo "parvola-split median: ${parvola} s"
echo "coreutils split median: ${split} s"
echo "ratio parvola/split: $(echo "scale=3; $parvola / $split" | bc)"
echo "parvola-split peak memory: ${peak} KiB"
