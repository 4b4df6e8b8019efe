# File benchmark: WRITEFILE 2,000 lines, READFILE them back line by line, COPYFILE 500 small
# files, FINDFILES them and DELFILE them; the same work in bash and Python. Every program works
# in the scratch folder named by FILEBENCH_DIR and prints "2000 500 0" (lines read, files found,
# files left). Sourced by bench/run.sh. bench/filesystem/parts.sh times the five parts one by one.

expect '2000 500 0'
baseline python

export FILEBENCH_DIR="$WORK/files-scratch"
unset FILEBENCH_PARTS
mkdir -p "$FILEBENCH_DIR"

entry velint -- "$VELINT" files.vl
entry bash   -- bash files.sh
entry python -- "$PYTHON" files.py

# The same script compiled into a stand-alone program (velcomp and vellink beside velint).
VELCOMP="$(dirname "$VELINT")/velcomp"
entry compiled --prepare "cp files.vl '$WORK/files.vl' && cd '$WORK' && '$VELCOMP' files.vl /L /E </dev/null >/dev/null" \
    -- "$WORK/files.exe"
