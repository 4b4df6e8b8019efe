# Subroutines benchmark: 300 variables, then 20,000 turns of GOSUB (nested on one turn in seven)
# joining seven variables; the same calls in Python and Lua. Sourced by bench/run.sh.

expect '640000 2857 9990000'
baseline lua

entry velint -- "$VELINT" subs.vl
entry python -- "$PYTHON" subs.py
entry lua    -- lua5.4 subs.lua

# The same script compiled into a stand-alone program (velcomp and vellink beside velint).
VELCOMP="$(dirname "$VELINT")/velcomp"
entry compiled --prepare "cp subs.vl '$WORK/subs.vl' && cd '$WORK' && '$VELCOMP' subs.vl /L /E </dev/null >/dev/null" \
    -- "$WORK/subs.exe"
