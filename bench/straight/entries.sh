# Straight benchmark: a generated 20,000-line script without loops or jumps, so every line is read
# for the first time when it runs. It has no peers: it measures reading a script, which the other
# languages do in a compiler of their own. Sourced by bench/run.sh.

expect "$("$PYTHON" "$BENCH_DIR/straight/generate.py" --expect 20000)"
baseline velint

entry velint --prepare "'$PYTHON' generate.py 20000 > '$WORK/straight.vl'" -- "$VELINT" "$WORK/straight.vl"

# The same script compiled into a stand-alone program (velcomp and vellink beside velint).
VELCOMP="$(dirname "$VELINT")/velcomp"
entry compiled --prepare "'$PYTHON' generate.py 20000 > '$WORK/straight.vl' && cd '$WORK' && '$VELCOMP' straight.vl /L /E </dev/null >/dev/null" \
    -- "$WORK/straight.exe"
