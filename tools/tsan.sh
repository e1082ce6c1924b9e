#!/usr/bin/env bash
# Builds the schedule step's tests with ThreadSanitizer and runs them: the
# generation runs on a worker thread while the window is used.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-tsan"
cd "$root"
cmake --preset tsan >/dev/null
cmake --build --preset tsan
TSAN_OPTIONS="suppressions=$root/tools/tsan.supp halt_on_error=1" QT_QPA_PLATFORM=offscreen \
  "$build/bin/belltide_schedule_step_tests"
