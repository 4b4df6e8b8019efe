# Block IF benchmark: 20,000 turns of a block IF / ELSEIF / ELSE whose first branch (eight lines,
# one nested IF) is passed over nine times in ten; the same branches in Python and Lua. Sourced
# by bench/run.sh.

expect '20893 1001 8000 10000'
baseline lua

entry velint -- "$VELINT" blocks.vl
entry python -- "$PYTHON" blocks.py
entry lua    -- lua5.4 blocks.lua

# The same script compiled into a stand-alone program (velcomp and vellink beside velint).
VELCOMP="$(dirname "$VELINT")/velcomp"
entry compiled --prepare "cp blocks.vl '$WORK/blocks.vl' && cd '$WORK' && '$VELCOMP' blocks.vl /L /E </dev/null >/dev/null" \
    -- "$WORK/blocks.exe"
