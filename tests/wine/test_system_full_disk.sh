#!/usr/bin/env bash
# Writes onto a full disk (system/full_disk.vl): the shell's copy of a file, of a wildcard and of a
# folder, the old copy and appends give -1, every old file keeps its bytes and no new or temporary
# file is left. The disk is a 64 KiB tmpfs mounted for the test: root only, skipped (77) otherwise.
# Usage: test_system_full_disk.sh VELINT_EXE ARTIFACTS_DIR
source "$(dirname "$0")/harness.sh"
source "$(dirname "$0")/system/common.sh"
begin_test "$@"

if (($(id -u) != 0)); then
    echo "SKIPPED: mounting a small file system needs root"
    exit 77
fi
rm -rf small tree
mkdir small tree
mount -t tmpfs -o size=64k tmpfs small || { echo "SKIPPED: no tmpfs could be mounted here"; exit 77; }
trap 'umount -l small' EXIT

head -c 262144 /dev/urandom >big.bin
cp big.bin tree/big.bin
head -c 200000 /dev/zero | tr '\0' x >big.txt
printf '\r\n' >>big.txt
printf 'the old text\r\n' >small/target.txt
printf 'first line\r\n' >small/log.txt
mkdir small/keep small/tree
printf 'the old big\r\n' >small/keep/big.bin
cp small/keep/big.bin small/tree/big.bin
cp -r small old
# The filler takes the rest of the disk.
cat /dev/zero >small/filler 2>/dev/null

run_system_script full_disk.vl 0
check_results full_disk.expected

rm small/filler
diff -r old small >old.diff || { cat old.diff >&2; fail "the full disk does not hold exactly its old files"; }
note "every old file kept its bytes; no new or temporary file was left"
