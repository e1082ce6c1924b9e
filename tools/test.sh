#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the plain build, its
# Debian package checked (tools/check-package.sh), the same suites under
# AddressSanitizer and UndefinedBehaviorSanitizer, and short fuzzing runs of the
# document reader and the container loader. Ends with "N passed, N failed".
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

"$root/tools/install-deps.sh"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
jobs=$(nproc)

passed=0
failed=0
run_suite() { # name build-dir cmake-options...
  local name=$1 dir=$2
  shift 2
  echo "== $name"
  cmake -S "$root" -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
  local log="$dir/ctest.log" status=0
  (cd "$dir" && ctest --output-on-failure -j "$jobs") 2>&1 | tee "$log" || status=$?
  local summary
  summary=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1 || true)
  if [ -z "$summary" ]; then
    failed=$((failed + 1))
    return
  fi
  local bad total
  bad=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$summary")
  total=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\2/' <<<"$summary")
  passed=$((passed + total - bad))
  failed=$((failed + bad))
  [ "$status" -eq 0 ] || [ "$bad" -gt 0 ] || failed=$((failed + 1))
}

run_suite "tests" "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo

echo "== the Debian package of that build"
if "$root/tools/check-package.sh" "$root/build"; then
  passed=$((passed + 1))
else
  failed=$((failed + 1))
fi
run_suite "tests under AddressSanitizer and UndefinedBehaviorSanitizer" "$root/build-asan" \
  -DCMAKE_BUILD_TYPE=Debug -DBELLTIDE_SANITIZE=ON -DBELLTIDE_BENCHMARKS=OFF

echo "== fuzzing the document reader for 30 seconds"
if "$root/tools/fuzz.sh" 30 school; then
  passed=$((passed + 1))
else
  failed=$((failed + 1))
fi

echo "== fuzzing the container loader for 30 seconds"
if "$root/tools/fuzz.sh" 30 container; then
  passed=$((passed + 1))
else
  failed=$((failed + 1))
fi

echo
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
