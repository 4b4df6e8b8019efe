#!/usr/bin/env bash
# File benchmark in bash: write 2,000 lines, read them back line by line, then copy 500 small
# files, find them and delete them. Works in $FILEBENCH_DIR; $FILEBENCH_PARTS may name the
# parts to run (default: all five). Prints the lines read, the files found and the files left.
set -eu
cd "$FILEBENCH_DIR"
parts=" ${FILEBENCH_PARTS:-write read copy find delete} "
read_count=- found=- left=-

if [[ $parts == *" write "* ]]; then
    for ((i = 1; i <= 2000; i++)); do
        echo "line $i of the file benchmark, with some words to fill it"
    done >lines.txt
    echo "a small file" >small.txt
fi

if [[ $parts == *" read "* ]]; then
    read_count=0
    while IFS= read -r line; do
        [[ -n $line ]] && read_count=$((read_count + 1))
    done <lines.txt
fi

if [[ $parts == *" copy "* ]]; then
    mkdir -p copies
    for ((i = 1; i <= 500; i++)); do
        cp small.txt "copies/file$i.txt"
    done
fi

if [[ $parts == *" find "* ]]; then
    found=0
    for f in copies/*.txt; do
        [[ -e $f ]] && found=$((found + 1))
    done
fi

if [[ $parts == *" delete "* ]]; then
    rm -f copies/file*.txt
    shopt -s nullglob
    remaining=(copies/file*)
    left=${#remaining[@]}
    rmdir copies
fi

echo "$read_count $found $left"
