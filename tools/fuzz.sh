#!/usr/bin/env bash
# Builds the document reader's fuzzer with clang and runs it.
#   tools/fuzz.sh [SECONDS]     (default 30)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
build="$root/build-fuzz"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DBELLTIDE_FUZZ=ON -DBUILD_TESTING=OFF -DBELLTIDE_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --target school_reader_fuzzer

# The working corpus grows between runs; the seeds in the tree stay small.
corpus="$build/corpus"
mkdir -p "$corpus"
"$build/tests/fuzz/school_reader_fuzzer" "$corpus" "$root/tests/fuzz/corpus" "$root/examples" \
  -dict="$root/tests/fuzz/school.dict" -max_total_time="$seconds" -max_len=65536 -timeout=20 \
  -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix="$build/" 2>&1 | tail -n 15
