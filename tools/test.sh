#!/usr/bin/env bash
# The whole test suite: native unit and script tests, the same under AddressSanitizer and
# UndefinedBehaviorSanitizer, the MinGW Windows build and its tests under Wine, then the Debian
# packages and the Windows setup program, installed and removed on this machine and under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh test

jobs=$(nproc)
step() { printf '\n==== %s ====\n' "$*"; }

step "Source formatting"
tools/check-format.sh

step "Linux build and tests"
cmake --preset linux >/dev/null
cmake --build --preset linux -j"$jobs"
ctest --preset linux -j"$jobs"

step "Linux build with sanitizers, and tests"
cmake --preset linux-asan >/dev/null
cmake --build --preset linux-asan -j"$jobs"
ctest --preset linux-asan -j"$jobs" -LE slow

step "Windows build (MinGW i686) and tests under Wine"
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$jobs"
ctest --preset windows

step "Packages: made from both builds, installed, used and removed again"
tools/package.sh build/packages
tests/install/test_deb.sh build/packages
tests/install/test_setup.sh build/packages build/install-wine

step "All tests passed"
