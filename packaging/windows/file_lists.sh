#!/usr/bin/env bash
# Writes the setup program's file lists from the installed folder STAGE: install_files.nsh (File
# lines, folder by folder) and uninstall_files.nsh (one Delete per file, then each folder, deepest
# first, removed only when empty). Usage: file_lists.sh STAGE OUTDIR
set -euo pipefail
stage=$(realpath "${1:?usage: file_lists.sh STAGE OUTDIR}")
out=${2:?usage: file_lists.sh STAGE OUTDIR}
mkdir -p "$out"

windows() { printf '%s' "${1//\//\\}"; }

{
    echo "; Written by file_lists.sh from $stage"
    while IFS= read -r dir; do
        rel=${dir#"$stage"}
        printf 'SetOutPath "$INSTDIR%s"\n' "$(windows "$rel")"
        find "$dir" -maxdepth 1 -type f | LC_ALL=C sort | while IFS= read -r file; do
            printf 'File "%s"\n' "$file"
        done
    done < <(find "$stage" -type d | LC_ALL=C sort)
    echo 'SetOutPath "$INSTDIR"'
} >"$out/install_files.nsh"

{
    echo "; Written by file_lists.sh from $stage"
    find "$stage" -type f | LC_ALL=C sort | while IFS= read -r file; do
        printf 'Delete "$INSTDIR%s"\n' "$(windows "${file#"$stage"}")"
    done
    find "$stage" -mindepth 1 -type d | LC_ALL=C sort -r | while IFS= read -r dir; do
        printf 'RMDir "$INSTDIR%s"\n' "$(windows "${dir#"$stage"}")"
    done
} >"$out/uninstall_files.nsh"
