# Loop benchmark: 100000 iterations of a numeric increment, a concatenation
# of the number to a text, a string length and an if. Every program prints the
# last count whose text was shorter than 10 characters and the final count.
# Sourced by bench/run.sh, which runs the commands in this folder.

expect '9999 100000'
baseline lua

entry velint -- "$VELINT" loop.vl
entry bash   -- bash loop.sh
entry python -- "$PYTHON" loop.py
entry tcl    -- tclsh loop.tcl
entry lua    -- lua5.4 loop.lua

# The same script compiled into a stand-alone program (velcomp and vellink beside velint).
VELCOMP="$(dirname "$VELINT")/velcomp"
entry compiled --prepare "cp loop.vl '$WORK/loop.vl' && cd '$WORK' && '$VELCOMP' loop.vl /L /E </dev/null >/dev/null" \
    -- "$WORK/loop.exe"
