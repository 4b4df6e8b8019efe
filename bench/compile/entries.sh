# Compile time: velcomp translating a generated 10,000-line script into its link control file
# (no linking). Sourced by bench/run.sh.

expect ''
baseline velcomp

VELCOMP="$(dirname "$VELINT")/velcomp"
entry velcomp --no-check --prepare "'$PYTHON' generate.py 10000 > '$WORK/big.vl'" \
    -- "$VELCOMP" "$WORK/big.vl" /E
