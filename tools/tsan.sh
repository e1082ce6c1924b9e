#!/usr/bin/env bash
# Builds the schedule step's tests with ThreadSanitizer and runs them: the
# generation runs on a worker thread while the window is used.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-tsan"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBELLTIDE_BENCHMARKS=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=thread -fno-omit-frame-pointer" -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread >/dev/null
cmake --build "$build" --target belltide_schedule_step_tests
TSAN_OPTIONS="suppressions=$root/tools/tsan.supp halt_on_error=1" QT_QPA_PLATFORM=offscreen \
  "$build/bin/belltide_schedule_step_tests"
