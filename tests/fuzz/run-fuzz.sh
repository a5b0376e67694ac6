#!/usr/bin/env bash
# Builds the store parser with libFuzzer (clang) and runs it for a bounded time.
# Usage: run-fuzz.sh SECONDS. Crashing inputs are left in build-fuzz/crashes/; turn each into
# a case of tests/StoreFormatTest.cpp.
set -euo pipefail
seconds=${1:-60}
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$root/build-fuzz
mkdir -p "$out/corpus" "$out/crashes"
cp -n "$root"/tests/fuzz/corpus/* "$out/corpus/" 2>/dev/null || true
clang++-14 -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -I"$root" \
    "$root/tests/fuzz/StoreParserFuzz.cpp" "$root/registry/StoreFormat.cpp" \
    "$root/registry/RegistryTree.cpp" -o "$out/store_parser_fuzz"
"$out/store_parser_fuzz" -max_total_time="$seconds" -max_len=65536 \
    -artifact_prefix="$out/crashes/" "$out/corpus" "$root/tests/fuzz/corpus"
