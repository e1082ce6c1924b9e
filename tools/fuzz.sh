#!/usr/bin/env bash
# Builds a fuzzer with clang and runs it.
#   tools/fuzz.sh [SECONDS] [TARGET]     (default 30 seconds, target "school")
# TARGET: "school" (the document reader), "container" (the container loader:
# its reader and fixup binder) or "roster" (the class and special list
# import). BELLTIDE_FUZZ_BUILD chooses another build folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
target=${2:-school}
build=${BELLTIDE_FUZZ_BUILD:-$root/build-fuzz}

case "$target" in
  school)
    fuzzer=school_reader_fuzzer
    corpus="$build/corpus"
    inputs=("$root/tests/fuzz/corpus" "$root/examples")
    dict="$root/tests/fuzz/school.dict"
    ;;
  container)
    fuzzer=container_loader_fuzzer
    corpus="$build/corpus-container"
    inputs=("$root/tests/fuzz/container-corpus")
    dict="$root/tests/fuzz/container.dict"
    ;;
  roster)
    fuzzer=roster_import_fuzzer
    corpus="$build/corpus-roster"
    inputs=("$root/tests/fuzz/roster-corpus")
    dict="$root/tests/fuzz/roster.dict"
    ;;
  *)
    echo "fuzz.sh: unknown target \"$target\" (school, container or roster)" >&2
    exit 2
    ;;
esac

(cd "$root" && cmake --preset fuzz -B "$build" >/dev/null)
cmake --build "$build" --target "$fuzzer"

# The working corpus grows between runs; the seeds in the tree stay small.
mkdir -p "$corpus"
"$build/bin/$fuzzer" "$corpus" "${inputs[@]}" \
  -dict="$dict" -max_total_time="$seconds" -max_len=65536 -timeout=20 \
  -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix="$build/" 2>&1 | tail -n 15
