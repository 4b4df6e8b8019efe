# Text file benchmark: WRITEFILE 10,000 lines, then READFILE them back one by one and take each
# apart; the same in Python and Lua (one open file each way, as their users would write it). Every
# program works in the scratch folder named by FILEBENCH_DIR. Sourced by bench/run.sh.

expect '10000 4995000'
baseline lua

export FILEBENCH_DIR="$WORK/textfile-scratch"
mkdir -p "$FILEBENCH_DIR"

entry velint -- "$VELINT" files.vl
entry python -- "$PYTHON" files.py
entry lua    -- lua5.4 files.lua

# The same script compiled into a stand-alone program (velcomp and vellink beside velint).
VELCOMP="$(dirname "$VELINT")/velcomp"
entry compiled --prepare "cp files.vl '$WORK/files.vl' && cd '$WORK' && '$VELCOMP' files.vl /L /E </dev/null >/dev/null" \
    -- "$WORK/files.exe"
