#!/usr/bin/env bash
# Builds the property-list fuzzer with clang's libFuzzer and sanitizers, straight from the core's
# sources, and runs it for SECONDS (default 60) over the committed seeds. A finding fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
out=build/fuzz
mkdir -p "$out/corpus"

clang++ -std=c++20 -O1 -g -fno-omit-frame-pointer -Wall -Wextra -Werror \
  -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I. framework/core/*.cpp tests/fuzz/property_list_fuzzer.cpp -o "$out/property_list_fuzzer"

# New inputs go to the working corpus in build/; the committed seeds stay as they are.
"$out/property_list_fuzzer" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
  "$out/corpus" tests/fuzz/corpus
