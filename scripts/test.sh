#!/usr/bin/env bash
# Sets up, builds and runs every test of the given preset (default: "default").
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"
bash scripts/build.sh "$preset"
ctest --preset "$preset"
