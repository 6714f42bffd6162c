#!/usr/bin/env bash
# Sets up, builds and starts Quorvan: only what the program needs, no tests.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh run
exec ./build/run/quorvan "$@"
