#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Splits one warm file with parvola-split, a bare per-piece copy loop, coreutils split and cp, and joins the
# pieces again with parvola-join and cat, in turns, on tmpfs and on the disk /tmp lives on; then the same
# with checksums, against cp or the bare loop run side by side with openssl's SHA-256. Reports each tool's
# median wall time with its spread (lowest-highest), its peak memory, and the ratios the goals are set in.
#
#   bench/split_and_join.sh [SIZE_MIB [PIECE [BUILD_DIR]]]    (defaults: 512 100M build)
#   PIECE is a parvola-split size, K and M decimal: 1K for 100,000 pieces of a 96 MiB file.
#   RUNS=7 runs of each tool; PLACES="/dev/shm /tmp" the folders to work in, one per file system.
set -euo pipefail

size_mib=${1:-512}
piece=${2:-100M}
build=$(realpath "${3:-build}")
split_bin=$build/src/parvola-split
join_bin=$build/src/parvola-join
runs=${RUNS:-7}
here=$(dirname "$(realpath "$0")")

case $piece in
*K) bytes=$(echo "${piece%K} * 1000" | bc) ;;
*M) bytes=$(echo "${piece%M} * 1000000" | bc) ;;
*) echo "PIECE must end in K or M" >&2 && exit 2 ;;
esac
bytes=${bytes%.*}

scratch=$(mktemp -d)
works=()
trap 'rm -rf "$scratch" "${works[@]}"' EXIT
cc -O2 -o "$scratch/bare_split" "$here/bare_split.c"
cc -O2 -o "$scratch/bare_join" "$here/bare_join.c"

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

run() {
    local tool=$1 src=$work/source.bin out=$work/out
    rm -rf "$out" && mkdir "$out" && sync
    case $tool in
    parvola-split) measure "$tool" "$split_bin" --yes --no-checksum --size "$piece" --dest "$out" "$src" ;;
    parvola-split+sum) measure "$tool" "$split_bin" --yes --checksum --size "$piece" --dest "$out" "$src" ;;
    bare) measure "$tool" "$scratch/bare_split" "$src" "$bytes" "$out/source.bin" ;;
    bare+sha) measure "$tool" sh -c '"$0" "$1" "$2" "$3" & openssl dgst -sha256 "$1" >/dev/null; wait $!' \
        "$scratch/bare_split" "$src" "$bytes" "$out/source.bin" ;;
    split) measure "$tool" split -a 5 -b "$bytes" "$src" "$out/source.bin." ;;
    cp) measure "$tool" cp "$src" "$out/source.bin" ;;
    cp+sha) measure "$tool" sh -c 'cp "$0" "$1" & openssl dgst -sha256 "$0" >/dev/null; wait $!' \
        "$src" "$out/source.bin" ;;
    parvola-join) measure "$tool" "$join_bin" --dest "$out" "$work/pieces/source.bin.001" ;;
    bare-join) measure "$tool" "$scratch/bare_join" "$out/source.bin" "$work/pieces/source.bin" ;;
    parvola-join+sum) measure "$tool" "$join_bin" --dest "$out" "$work/summed/source.bin.001" ;;
    # The shell sorts the names by number as long as they all have as many digits.
    cat) measure "$tool" sh -c 'cat "$0"/source.bin.[0-9][0-9][0-9] >"$1"/source.bin' "$work/pieces" "$out" ;;
    esac
}

median() { sort -g "$1" | awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }
spread() { sort -g "$1" | awk 'NR == 1 { low = $1 } { high = $1 } END { printf "%.3f-%.3f", low, high }'; }
ratio() { echo "scale=3; $(median "$work/$1.times") / $(median "$work/$2.times")" | bc; }

for place in ${PLACES:-/dev/shm /tmp}; do
    work=$(mktemp -d "$place/parvola-bench-XXXXXX")
    works+=("$work")
    # Settings of the bench's own, so the user's are untouched; without a terminal the cleanup question is
    # answered No, so the source stays for the next run.
    export XDG_CONFIG_HOME="$work/config"
    head -c $((size_mib * 1048576)) /dev/urandom >"$work/source.bin"
    cat "$work/source.bin" >/dev/null
    mkdir "$work/pieces" "$work/summed"
    "$split_bin" --yes --no-checksum --size "$piece" --dest "$work/pieces" "$work/source.bin" </dev/null >/dev/null 2>&1
    "$split_bin" --yes --checksum --size "$piece" --dest "$work/summed" "$work/source.bin" </dev/null >/dev/null 2>&1
    ln "$work/source.bin" "$work/summed/source.bin"
    (cd "$work/summed" && sha256sum -c --quiet source.bin.sha256) || { echo "the checksums differ" >&2; exit 1; }
    rm "$work/summed/source.bin"
    # cat takes three-digit numbers only.
    tools="parvola-split bare split cp parvola-join bare-join parvola-split+sum bare+sha parvola-join+sum cp+sha"
    [ -e "$work/pieces/source.bin.1000" ] || tools="$tools cat"
    for ((i = 0; i < runs; i++)); do
        # Rotate the order so that no tool always meets another's dirty pages.
        set -- $tools
        for ((k = 0; k < i % $#; k++)); do set -- "${@:2}" "$1"; done
        for tool in "$@"; do run "$tool"; done
    done
    for tool in parvola-join parvola-join+sum bare-join; do
        run "$tool"
        cmp "$work/out/source.bin" "$work/source.bin" || { echo "$tool: the join differs" >&2; exit 1; }
    done

    echo "$(df --output=fstype "$work" | tail -n 1) ($work): ${size_mib} MiB into ${piece} pieces, ${runs} runs each"
    for tool in $tools; do
        printf '  %-17s median %.3f s  spread %s s  peak %s KiB\n' "$tool" "$(median "$work/$tool.times")" \
            "$(spread "$work/$tool.times")" "$(sort -n "$work/$tool.rss" | tail -n 1)"
    done
    echo "  split / cp $(ratio parvola-split cp)   split / bare loop $(ratio parvola-split bare)" \
        "  split / coreutils split $(ratio parvola-split split)"
    echo "  join / cp $(ratio parvola-join cp)   join / bare join $(ratio parvola-join bare-join)" \
        "$([ -e "$work/cat.times" ] && echo "  join / cat $(ratio parvola-join cat)")"
    echo "  with checksums: split / (bare loop | sha256) $(ratio parvola-split+sum bare+sha)" \
        "  join / (cp | sha256) $(ratio parvola-join+sum cp+sha)"
    rm -rf "$work"
done
