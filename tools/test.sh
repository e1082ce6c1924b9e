#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the formatting check,
# the ci build (warnings are errors) with its suites, clang-tidy over it
# (tools/lint.sh), its Debian package checked (tools/check-package.sh), the same
# suites under AddressSanitizer and UndefinedBehaviorSanitizer, and short
# fuzzing runs of the document reader, the container loader and the list
# import. Each build is one of CMakePresets.json's. Ends with "N passed, N failed".
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
check() { # name command...
  local name=$1
  shift
  echo "== $name"
  if "$@"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
  fi
}

format_check() {
  git -C "$root" ls-files -z '*.cpp' '*.h' | (cd "$root" && xargs -0 clang-format-14 --dry-run -Werror)
}

run_suite() { # name preset build-dir
  local name=$1 preset=$2 dir=$3
  echo "== $name"
  cmake --preset "$preset" >/dev/null
  if ! cmake --build "$dir" -j "$jobs"; then
    failed=$((failed + 1))
    return
  fi
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

check "every C++ file formatted as .clang-format says" format_check
run_suite "tests (warnings are errors)" ci "$root/build"
check "clang-tidy over src/ and apps/" "$root/tools/lint.sh"
check "the Debian package of that build" "$root/tools/check-package.sh" "$root/build"
run_suite "tests under AddressSanitizer and UndefinedBehaviorSanitizer" asan "$root/build-asan"
check "fuzzing the document reader for 30 seconds" "$root/tools/fuzz.sh" 30 school
check "fuzzing the container loader for 30 seconds" "$root/tools/fuzz.sh" 30 container
check "fuzzing the class and special list import for 30 seconds" "$root/tools/fuzz.sh" 30 roster

echo
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
