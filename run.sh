#!/usr/bin/env bash
# Sets up, builds and starts Sanavo from its application folder build/app/.
# Extra arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
exec build/app/sanavo "$@"
