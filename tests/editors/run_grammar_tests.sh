#!/usr/bin/env bash
# Colours the annotated scripts in grammar/ with VS Code's own TextMate engine (vscode-tmgrammar-test,
# at the versions package-lock.json pins) and checks every annotation. Skipped (exit 77) where Node
# or npm is missing or the packages cannot be installed, never failed for that.
#   run_grammar_tests.sh WORK_DIR SOURCE_DIR
set -euo pipefail
work=$1 top=$2 here=$2/tests/editors
skip() { echo "SKIPPED: the grammar is not tested: $*"; exit 77; }

command -v node >/dev/null && command -v npm >/dev/null || skip "Node.js and npm are not installed"
mkdir -p "$work"
# Installs again only when the pinned versions changed since the last install that succeeded.
if ! cmp -s "$here/package-lock.json" "$work/installed-lock.json"; then
    rm -f "$work/installed-lock.json"
    cp "$here/package.json" "$here/package-lock.json" "$work/"
    timeout 300 npm ci --prefix "$work" --no-audit --no-fund --ignore-scripts --prefer-offline >"$work/npm.log" 2>&1 ||
        { tail -5 "$work/npm.log"; skip "npm could not install vscode-tmgrammar-test (is the registry reachable?)"; }
    cp "$work/package-lock.json" "$work/installed-lock.json"
fi
"$work/node_modules/.bin/vscode-tmgrammar-test" --config "$top/editors/vscode/package.json" "$here/grammar/*.vl"
