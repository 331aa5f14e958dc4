#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors, checks the formatting and runs
# every test; then the same tests again in a build with AddressSanitizer and
# UndefinedBehaviorSanitizer. The exit status is the verdict.
# ORVEX_SKIP_SANITIZERS=1 skips the second build.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
scripts/check-format.sh

jobs=$(nproc 2>/dev/null || echo 2)

cmake --preset default
cmake --build --preset default -j "$jobs"
ctest --preset default -j "$jobs"

if [ "${ORVEX_SKIP_SANITIZERS:-0}" != 1 ]; then
    cmake --preset asan
    cmake --build --preset asan -j "$jobs"
    ctest --preset asan -j "$jobs"
fi
