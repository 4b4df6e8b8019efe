#!/usr/bin/env bash
# Builds velint for this machine and runs the demo script in the terminal.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh demo
cmake --preset linux -DBUILD_TESTING=OFF >/dev/null
cmake --build --preset linux --target velint -j"$(nproc)" >/dev/null
exec build/linux/velint examples/demo.vl "$@"
