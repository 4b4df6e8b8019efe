#!/usr/bin/env bash
# Loop benchmark: count to 100000, building and measuring a text each time.
i=0
last=0
while (( i < 100000 )); do
    i=$(( i + 1 ))
    s="item $i"
    n=${#s}
    if (( n < 10 )); then
        last=$i
    fi
done
echo "$last $i"
