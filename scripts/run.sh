#!/usr/bin/env bash
# Sets up, builds and starts Quorvan.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh default
exec ./build/default/quorvan "$@"
