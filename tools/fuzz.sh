#!/usr/bin/env bash
# Runs the fuzz targets one after another, each for SECONDS (default 300), on its kept corpus;
# new inputs that add coverage (and are at most FUZZ_KEEP_BYTES long, default 3000) are merged
# into fuzz/corpus/TARGET, crashes land in fuzz/crashes/TARGET.
# Usage: tools/fuzz.sh [SECONDS] [TARGET...]   (the targets: fuzz/README.md)
# The final lines of each run (executions, cov, ft) are kept in build/fuzz/logs/TARGET.log.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-300}
shift || true
all=(interpreter compiler runtime link_control icon syntax_settings line_scanner language_file)
if (($# > 0)); then targets=("$@"); else targets=("${all[@]}"); fi

tools/install-deps.sh fuzz
cmake --preset fuzz >/dev/null
nice -n 10 cmake --build --preset fuzz -j2 --target "${targets[@]/%/_fuzz}"

logs=build/fuzz/logs
mkdir -p "$logs"
for target in "${targets[@]}"; do
    corpus=fuzz/corpus/$target crashes=fuzz/crashes/$target work=build/fuzz/work/$target
    mkdir -p "$corpus" "$crashes" "$work"
    echo "==== $target: $seconds s"
    # Inputs found during the run go to a scratch folder first; -merge=1 then keeps only those that
    # add coverage, so the corpus in the tree stays small.
    status=0
    nice -n 15 "build/fuzz/fuzz/${target}_fuzz" "$work" "$corpus" -dict=fuzz/velmish.dict \
        -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -max_len=65536 -print_final_stats=1 \
        -artifact_prefix="$crashes/" >"$logs/$target.log" 2>&1 || status=$?
    grep -E '^#[0-9]+.*(DONE|cov:)' "$logs/$target.log" | tail -1 || true
    grep -E 'stat::number_of_executed_units|stat::peak_rss_mb' "$logs/$target.log" || true
    if ((status != 0)); then
        echo "$target: the fuzzer stopped with status $status, see $logs/$target.log and $crashes/" >&2
    fi
    # Only small inputs are kept: the corpora live in the tree and the tests replay them.
    find "$work" -type f -size +"${FUZZ_KEEP_BYTES:-3000}"c -delete
    nice -n 15 "build/fuzz/fuzz/${target}_fuzz" -merge=1 "$corpus" "$work" >"$logs/$target.merge.log" 2>&1
    rm -rf "$work"
done
