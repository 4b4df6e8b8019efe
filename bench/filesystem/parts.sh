#!/usr/bin/env bash
# Times the five parts of the file benchmark (write, read, copy, find, delete) one by one for
# each program, with hyperfine, and prints one table of mean times in milliseconds; the row
# "start" is a run that does no part (start-up only), to be subtracted from the others.
#
# Usage: bench/filesystem/parts.sh [--velint PATH] [--runs N] [--warmup N]
#
# Each part runs alone (FILEBENCH_PARTS=part) in a scratch folder that the parts before it have
# filled once; delete, which uses up its files, gets them copied again before every run
# (hyperfine --prepare, not timed).

set -eu

HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
REPO=$(dirname "$(dirname "$HERE")")
VELINT="$REPO/build/linux/velint"
RUNS=10
WARMUP=1
while (($# > 0)); do
    case "$1" in
        --velint) VELINT=$2; shift 2 ;;
        --runs) RUNS=$2; shift 2 ;;
        --warmup) WARMUP=$2; shift 2 ;;
        *) sed -n '5,5p' "${BASH_SOURCE[0]}" | sed 's/^# //' >&2; exit 2 ;;
    esac
done
[[ $VELINT == /* ]] || VELINT="$PWD/$VELINT"
command -v hyperfine >/dev/null || { echo "parts.sh: hyperfine is needed" >&2; exit 2; }

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
PYTHON=$(python3 -c 'import sys; print(sys.executable)')
VELCOMP="$(dirname "$VELINT")/velcomp"

cp "$HERE/files.vl" "$WORK/files.vl"
(cd "$WORK" && "$VELCOMP" files.vl /L /E </dev/null >/dev/null)

NAMES=(velint compiled bash python)
COMMANDS=("$VELINT $HERE/files.vl" "$WORK/files.exe" "bash $HERE/files.sh" "$PYTHON $HERE/files.py")
# "start" runs no part: the start-up and the final line alone.
PARTS=(start write read copy find delete)
declare -A MEAN

for k in "${!NAMES[@]}"; do
    name=${NAMES[k]}
    read -r -a cmd <<<"${COMMANDS[k]}"
    export FILEBENCH_DIR="$WORK/scratch-$name"
    mkdir -p "$FILEBENCH_DIR"
    for part in "${PARTS[@]}"; do
        # What the part works on: everything the parts before it leave behind.
        case $part in
            read | copy) FILEBENCH_PARTS=write "${cmd[@]}" >/dev/null ;;
            find) FILEBENCH_PARTS="write copy" "${cmd[@]}" >/dev/null ;;
        esac
        prepare=()
        [[ $part == delete ]] && prepare=(--prepare "env FILEBENCH_PARTS=copy ${COMMANDS[k]}")
        selected=$part
        [[ $part == start ]] && selected=none
        FILEBENCH_PARTS=$selected hyperfine -N --runs "$RUNS" --warmup "$WARMUP" --style none \
            "${prepare[@]}" --export-csv "$WORK/part.csv" "${COMMANDS[k]}" >/dev/null
        MEAN[$name.$part]=$(awk -F, 'NR == 2 { printf "%.1f", $2 * 1000 }' "$WORK/part.csv")
    done
done

printf '%-10s' part
printf '%10s' "${NAMES[@]}"
echo
for part in "${PARTS[@]}"; do
    printf '%-10s' "$part"
    for name in "${NAMES[@]}"; do printf '%10s' "${MEAN[$name.$part]}"; done
    echo
done
echo "(mean ms of one run of the part alone, start-up of the program included)"
