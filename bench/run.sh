#!/usr/bin/env bash
# Benchmark runner: checks that every program of a benchmark prints the same
# check value, then times them side by side and prints one table.
#
# Usage: bench/run.sh [--velint PATH] [--runs N] [--warmup N] [--no-install] [--no-timing] [--no-instructions] [BENCHMARK...]
#
# Each benchmark is a folder bench/NAME with an entries.sh that declares its
# programs (see "Entry declarations" below); without BENCHMARK arguments all
# of them run. The table reports mean and minimum wall time and the mean CPU
# time (user + system) in milliseconds, and the instructions each program
# executes (valgrind's cachegrind, event Ir, in millions), each beside its
# ratio to the benchmark's baseline program. Instruction counts repeat to a
# few thousandths from run to run, also on a busy machine, where times do
# not. Nothing here judges the numbers: the exit code is 1 only when a
# program fails or prints a wrong check value.

set -u

BENCH_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
REPO_DIR=$(dirname "$BENCH_DIR")

VELINT="$REPO_DIR/build/linux/velint"
RUNS=10
WARMUP=1
INSTALL=1
TIMING=1
INSTRUCTIONS=1
CHECK_TIMEOUT=600   # seconds one check run may take before it counts as failed
SELECTED=()

usage() {
    sed -n '5,5p' "${BASH_SOURCE[0]}" | sed 's/^# //'
    exit "${1:-0}"
}

die() {
    echo "run.sh: $*" >&2
    exit 2
}

parseArgs() {
    while (($# > 0)); do
        case "$1" in
            --velint) (($# >= 2)) || die "--velint needs a path"; VELINT=$2; shift 2 ;;
            --velint=*) VELINT=${1#*=}; shift ;;
            --runs) (($# >= 2)) || die "--runs needs a number"; RUNS=$2; shift 2 ;;
            --runs=*) RUNS=${1#*=}; shift ;;
            --warmup) (($# >= 2)) || die "--warmup needs a number"; WARMUP=$2; shift 2 ;;
            --warmup=*) WARMUP=${1#*=}; shift ;;
            --no-install) INSTALL=0; shift ;;
            --no-timing) TIMING=0; shift ;;
            --no-instructions) INSTRUCTIONS=0; shift ;;
            -h | --help) usage 0 ;;
            -*) echo "run.sh: unknown option $1" >&2; usage 2 ;;
            *) SELECTED+=("$1"); shift ;;
        esac
    done
    [[ $RUNS =~ ^[1-9][0-9]*$ ]] || die "--runs must be a positive number"
    [[ $WARMUP =~ ^[0-9]+$ ]] || die "--warmup must be a number"
    # The programs run from their benchmark's folder, so a relative path given
    # on the command line is made absolute first.
    [[ $VELINT == /* ]] || VELINT="$PWD/$VELINT"
}

# ---------------------------------------------------------------------------
# Tools

# Installs the interpreters and hyperfine from Debian's packages when they are
# missing and we may (root with apt-get). A failure only leaves them missing:
# the benchmarks that need them are then skipped with a note.
installMissing() {
    local pkgs=() pair
    for pair in tclsh:tcl lua5.4:lua5.4 hyperfine:hyperfine python3:python3 valgrind:valgrind; do
        command -v "${pair%%:*}" >/dev/null 2>&1 || pkgs+=("${pair#*:}")
    done
    ((${#pkgs[@]} > 0)) || return 0
    if ((INSTALL == 0)) || [[ $(id -u) != 0 ]] || ! command -v apt-get >/dev/null 2>&1; then
        echo "note: not installing missing packages: ${pkgs[*]}"
        return 0
    fi
    echo "note: installing ${pkgs[*]} ..."
    local log="$WORK/apt.log"
    export DEBIAN_FRONTEND=noninteractive
    apt-get install -y -q "${pkgs[@]}" >"$log" 2>&1 && return 0
    # The package lists may be missing or stale on a fresh machine; after an
    # update, one package that still cannot be had must not keep the others out.
    apt-get update -q >>"$log" 2>&1
    local p
    for p in "${pkgs[@]}"; do
        apt-get install -y -q "$p" >>"$log" 2>&1 || echo "note: apt-get could not install $p"
    done
}

# Version managers (pyenv and the like) put shell-script shims on the PATH
# whose start-up would be timed with the program; ask the interpreter itself
# where it lives instead.
resolvePython() {
    local exe
    exe=$(python3 -c 'import sys; print(sys.executable)' 2>/dev/null) && [[ -x $exe ]] && { echo "$exe"; return; }
    echo python3
}

# ---------------------------------------------------------------------------
# Entry declarations, used by bench/NAME/entries.sh:
#
#   expect TEXT      check value that the following entries must print
#   baseline NAME    entry whose mean is the ratio's 1.00 (default: lua)
#   entry NAME [--expect TEXT | --no-check] [--prepare SHELL-COMMAND] -- COMMAND...
#
# COMMAND runs in the benchmark's folder with no standard input. Its first
# word must be an executable path or a program on the PATH, or the entry is
# skipped with a note. --prepare runs once before the check (to build what
# the entry runs, for example); when it fails the entry is skipped. The check
# compares the last non-empty line of standard output with the check value,
# after removing the "[Velmish Echo] " prefix with which velint shows an ECHO
# box on a console. Variables the entries may use: VELINT, PYTHON.

expect() { B_EXPECT=$1; }
baseline() { B_BASELINE=$1; }

entry() {
    local name=$1 exp=$B_EXPECT check=1 prep=""
    shift
    while (($# > 0)); do
        case "$1" in
            --expect) exp=$2; shift 2 ;;
            --no-check) check=0; shift ;;
            --prepare) prep=$2; shift 2 ;;
            --) shift; break ;;
            *) die "entry $name: unknown option $1" ;;
        esac
    done
    (($# > 0)) || die "entry $name: no command"
    E_NAME+=("$name")
    E_EXPECT+=("$exp")
    E_CHECK+=("$check")
    E_PREPARE+=("$prep")
    E_CMD+=("$(printf '%q ' "$@")")
}

resetBenchmark() {
    B_EXPECT=""
    B_BASELINE=lua
    E_NAME=() E_EXPECT=() E_CHECK=() E_PREPARE=() E_CMD=()
}

# ---------------------------------------------------------------------------
# Checking

normaliseOutput() {
    tr -d '\r' | awk 'NF { last = $0 } END { print last }' | sed 's/^\[Velmish Echo\] //'
}

# Prints nothing and returns 0 when entry $1 may be timed; otherwise prints
# the reason and returns 1.
checkEntry() {
    local k=$1 cmd out status
    eval "cmd=(${E_CMD[k]})"
    # The preparation comes first: it may build the program the entry runs.
    if [[ -n ${E_PREPARE[k]} ]] && ! bash -c "${E_PREPARE[k]}" >"$WORK/prepare.log" 2>&1; then
        echo "skipped: preparation failed ($(tail -n 1 "$WORK/prepare.log"))"
        return 1
    fi
    if [[ -z ${cmd[0]} ]] || ! command -v "${cmd[0]}" >/dev/null 2>&1; then
        echo "skipped: ${cmd[0]:-program} not found"
        return 1
    fi
    out=$(timeout "$CHECK_TIMEOUT" "${cmd[@]}" </dev/null 2>"$WORK/check.err")
    status=$?
    if ((status != 0)); then
        echo "FAILED: exit code $status $(tail -n 1 "$WORK/check.err")"
        return 2
    fi
    out=$(printf '%s\n' "$out" | normaliseOutput)
    if ((E_CHECK[k])) && [[ $out != "${E_EXPECT[k]}" ]]; then
        echo "FAILED: printed '$out', expected '${E_EXPECT[k]}'"
        return 2
    fi
    return 0
}

# ---------------------------------------------------------------------------
# Timing: each fills MEAN_MS[k] and MIN_MS[k] for the timed entries.

timeWithHyperfine() {
    # Without a shell (-N) hyperfine starts the program itself and need not
    # subtract an estimated shell start-up time, which is unreliable when the
    # machine is busy with other work.
    local args=(-N --warmup "$WARMUP" --runs "$RUNS" --style basic --export-csv "$WORK/times.csv")
    local k cmd word line
    for k in "${TIMED[@]}"; do
        eval "cmd=(${E_CMD[k]})"
        line=""
        for word in "${cmd[@]}"; do
            line+="'${word//\'/\'\\\'\'}' "
        done
        args+=(-n "${E_NAME[k]}" "$line")
    done
    if ! hyperfine "${args[@]}" >"$WORK/hyperfine.log" 2>&1; then
        echo "hyperfine failed:" >&2
        tail -n 20 "$WORK/hyperfine.log" >&2
        return 1
    fi
    # Rows follow the order of the commands: command,mean,stddev,median,user,system,min,max (seconds).
    local row=0
    while IFS= read -r line; do
        k=${TIMED[row]}
        MEAN_MS[k]=$(awk -F, '{ printf "%.1f", $2 * 1000 }' <<<"$line")
        MIN_MS[k]=$(awk -F, '{ printf "%.1f", $7 * 1000 }' <<<"$line")
        CPU_MS[k]=$(awk -F, '{ printf "%.1f", ($5 + $6) * 1000 }' <<<"$line")
        row=$((row + 1))
    done < <(tail -n +2 "$WORK/times.csv")
}

nowNs() {
    # bash 5 reads the clock without starting a process; date is the fallback.
    if [[ -n ${EPOCHREALTIME:-} ]]; then
        local t=${EPOCHREALTIME/[.,]/}
        echo "${t}000"
    else
        date +%s%N
    fi
}

timeWithClock() {
    local k i t0 t1 d total min cmd
    for k in "${TIMED[@]}"; do
        eval "cmd=(${E_CMD[k]})"
        for ((i = 0; i < WARMUP; i++)); do "${cmd[@]}" </dev/null >/dev/null 2>&1; done
        total=0 min=""
        for ((i = 0; i < RUNS; i++)); do
            t0=$(nowNs)
            "${cmd[@]}" </dev/null >/dev/null 2>&1
            t1=$(nowNs)
            d=$((t1 - t0))
            total=$((total + d))
            [[ -z $min ]] || ((d < min)) && min=$d
        done
        MEAN_MS[k]=$(awk -v t="$total" -v n="$RUNS" 'BEGIN { printf "%.1f", t / n / 1e6 }')
        MIN_MS[k]=$(awk -v t="$min" 'BEGIN { printf "%.1f", t / 1e6 }')
    done
}

# ---------------------------------------------------------------------------
# Instructions: fills INSTR_M[k] for the timed entries, in millions.

countInstructions() {
    local k cmd refs
    for k in "${TIMED[@]}"; do
        eval "cmd=(${E_CMD[k]})"
        # Without a simulated cache cachegrind counts the instructions only, several times
        # faster. Only the program itself is counted, not the programs it starts.
        valgrind --tool=cachegrind --cache-sim=no --cachegrind-out-file=/dev/null --log-file="$WORK/valgrind.log" \
            "${cmd[@]}" </dev/null >/dev/null 2>&1
        refs=$(sed -n 's/.*I *refs: *\([0-9,]*\).*/\1/p' "$WORK/valgrind.log" | tr -d ,)
        INSTR_M[k]=$(awk -v r="$refs" 'BEGIN { if (r == "") print "-"; else printf "%.1f", r / 1e6 }')
    done
}

# ---------------------------------------------------------------------------
# One benchmark

TABLE_ROWS=()
BASE_NOTES=()
FAILED=0

# a / b with two decimals, "-" when either is unknown.
ratioOf() {
    awk -v a="$1" -v b="$2" 'BEGIN { if (a == "-" || a == "" || b == "-" || b == "" || b <= 0) print "-"; else printf "%.2f", a / b }'
}

runBenchmark() {
    local name=$1 dir="$BENCH_DIR/$1" k verdict status
    [[ -f $dir/entries.sh ]] || die "no benchmark '$name' (missing $dir/entries.sh)"
    resetBenchmark
    # shellcheck source=/dev/null
    source "$dir/entries.sh"
    cd "$dir" || die "cannot enter $dir"

    echo "== $name"
    TIMED=() MEAN_MS=() MIN_MS=() CPU_MS=() INSTR_M=()
    for k in "${!E_NAME[@]}"; do
        verdict=$(checkEntry "$k")
        status=$?
        if ((status == 0)); then
            TIMED+=("$k")
            verdict="ok"
        elif ((status == 2)); then
            FAILED=1
        fi
        printf '   %-10s %s\n' "${E_NAME[k]}" "$verdict"
    done
    ((${#TIMED[@]} > 0)) || return 0

    if ((TIMING == 0)); then
        :
    elif command -v hyperfine >/dev/null 2>&1; then
        echo "   timing with hyperfine: $WARMUP warm-up, $RUNS runs each"
        timeWithHyperfine || return 0
    else
        echo "   timing with the shell clock (hyperfine not found): $WARMUP warm-up, $RUNS runs each"
        timeWithClock
    fi
    if ((INSTRUCTIONS == 0)); then
        :
    elif command -v valgrind >/dev/null 2>&1; then
        echo "   counting instructions with valgrind's cachegrind"
        countInstructions
    else
        echo "   not counting instructions: valgrind not found"
    fi

    local baseCpu="" baseMean="" baseInstr=""
    for k in "${TIMED[@]}"; do
        if [[ ${E_NAME[k]} == "$B_BASELINE" ]]; then
            baseMean=${MEAN_MS[k]:-}
            baseCpu=${CPU_MS[k]:-}
            baseInstr=${INSTR_M[k]:-}
        fi
    done
    for k in "${TIMED[@]}"; do
        # The time ratio is of CPU time where hyperfine measured it, else of the mean wall time.
        local timeRatio
        if [[ -n ${CPU_MS[k]:-} ]]; then
            timeRatio=$(ratioOf "${CPU_MS[k]}" "$baseCpu")
        else
            timeRatio=$(ratioOf "${MEAN_MS[k]:-}" "$baseMean")
        fi
        TABLE_ROWS+=("$(printf '%-10s %-10s %9s %9s %9s %7s %10s %7s' "$name" "${E_NAME[k]}" "${MEAN_MS[k]:--}" \
            "${MIN_MS[k]:--}" "${CPU_MS[k]:--}" "$timeRatio" "${INSTR_M[k]:--}" \
            "$(ratioOf "${INSTR_M[k]:-}" "$baseInstr")")")
    done
    if [[ -n $baseMean || -n $baseInstr ]]; then
        BASE_NOTES+=("$name: ratios against $B_BASELINE")
    else
        BASE_NOTES+=("$name: no ratios, its baseline $B_BASELINE did not run")
    fi
}

printTable() {
    ((${#TABLE_ROWS[@]} > 0)) || { echo "nothing was measured"; return; }
    echo
    printf '%-10s %-10s %9s %9s %9s %7s %10s %7s\n' benchmark program "mean ms" "min ms" "cpu ms" ratio "M instr" ratio
    printf '%s\n' "${TABLE_ROWS[@]}"
    printf '(%s)\n' "${BASE_NOTES[@]}"
}

main() {
    parseArgs "$@"
    WORK=$(mktemp -d)
    trap 'rm -rf "$WORK"' EXIT
    installMissing
    # shellcheck disable=SC2034 # used by the entries.sh files
    PYTHON=$(resolvePython)

    if ((${#SELECTED[@]} == 0)); then
        local f
        for f in "$BENCH_DIR"/*/entries.sh; do
            [[ -e $f ]] && SELECTED+=("$(basename "$(dirname "$f")")")
        done
    fi
    local b
    for b in "${SELECTED[@]}"; do
        runBenchmark "$b"
    done
    printTable
    return "$FAILED"
}

main "$@"
