#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite headless; fails when any test fails.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
