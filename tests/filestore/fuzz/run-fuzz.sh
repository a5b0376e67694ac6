#!/usr/bin/env bash
# run-fuzz.sh SECONDS: the store parser under libFuzzer; crashes go to build-fuzz/crashes/.
set -euo pipefail
seconds=${1:-60}
root=$(cd "$(dirname "$0")/../../.." && pwd)
out=$root/build-fuzz
mkdir -p "$out/corpus" "$out/crashes"
cp -n "$root"/tests/filestore/fuzz/corpus/* "$out/corpus/" 2>/dev/null || true
clang++-14 -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -I"$root" \
    "$root/tests/filestore/fuzz/StoreParserFuzz.cpp" "$root/registry/filestore/StoreFormat.cpp" \
    "$root/registry/filestore/RegistryTree.cpp" -o "$out/store_parser_fuzz"
"$out/store_parser_fuzz" -max_total_time="$seconds" -max_len=65536 \
    -artifact_prefix="$out/crashes/" "$out/corpus" "$root/tests/filestore/fuzz/corpus"
