#!/usr/bin/env bash
# Sets up, configures and builds the given CMake preset (default: "default"). The "run" preset
# builds the program alone and needs only the run set of packages; the others need the test set.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"
if [ "$preset" = run ]; then
  bash scripts/setup.sh run
else
  bash scripts/setup.sh test
fi
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
