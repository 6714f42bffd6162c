#!/usr/bin/env bash
# Sets up, builds and runs every test of the given preset (default: "default").
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"
bash scripts/build.sh "$preset"

# Every test keeps its files in a fresh temporary folder of its own and removes it: the run gets a
# temporary folder, which must be empty afterwards. Qt's runtime folder belongs to the desktop
# session, not to a test, so it gets a folder of its own.
scratch=$(mktemp -d)
runtime=$(mktemp -d)
trap 'rm -rf "$scratch" "$runtime"' EXIT
TMPDIR="$scratch" TEST_TMPDIR="$scratch" XDG_RUNTIME_DIR="$runtime" ctest --preset "$preset"
left=$(ls -A "$scratch")
if [ -n "$left" ]; then
  echo "the tests left files in their temporary folder: $left" >&2
  exit 1
fi
