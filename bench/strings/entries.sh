# Strings benchmark: 20,000 turns of LINKVAR, TRIMVAR, UPVAR, LOWVAR, GETPOS, COPYVAR and a replace
# built from them, on texts of 50 to 60 bytes; the same work in Python and Lua. Sourced by
# bench/run.sh.

expect '1148894 10001 the quick brown cat jumps over the lazy dog, turn 20000'
baseline lua

entry velint -- "$VELINT" strings.vl
entry python -- "$PYTHON" strings.py
entry lua    -- lua5.4 strings.lua

# The same script compiled into a stand-alone program (velcomp and vellink beside velint).
VELCOMP="$(dirname "$VELINT")/velcomp"
entry compiled --prepare "cp strings.vl '$WORK/strings.vl' && cd '$WORK' && '$VELCOMP' strings.vl /L /E </dev/null >/dev/null" \
    -- "$WORK/strings.exe"
