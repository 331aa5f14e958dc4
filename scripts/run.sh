#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program with the built-in simulated
# radio attached (a 400-470 MHz radio on a pseudo-terminal). Extra arguments go to the
# program, for example: scripts/run.sh --virtual-radio-band 136-174
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset default
cmake --build --preset default -j "$(nproc 2>/dev/null || echo 2)"
exec build/src/app/orvex-cps --virtual-radio "$@"
