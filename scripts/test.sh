#!/usr/bin/env bash
# Sets up and builds, then runs everything CI checks:
#   1. the whole test suite with the benchmarks' smoke runs (ctest);
#   2. the same suite built with AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/);
#   3. each fuzz target for a few seconds on its corpus (build-fuzz/, clang's libFuzzer).
# `scripts/test.sh --quick` runs only the first.
set -euo pipefail
EXTRA_PACKAGES="clang libclang-rt-14-dev dpkg-dev desktop-file-utils"
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

passed=0
# run_ctest DIR [ctest options...]: runs the suite in DIR and counts its tests (it stops the script
# on any failure).
run_ctest() {
    local dir=$1 log
    shift
    log=$(mktemp)
    (cd "$dir" && ctest --output-on-failure -j2 "$@") | tee "$log"
    passed=$((passed + $(sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\).*/\1/p' "$log")))
    rm -f "$log"
}

started=$SECONDS
run_ctest "$BUILD_DIR" --timeout 600
echo "== test suite: $((SECONDS - started)) s"
if [ "${1:-}" = "--quick" ]; then
    echo "Summary: $passed passed, 0 failed"
    exit 0
fi

started=$SECONDS
ASAN_DIR=$ROOT_DIR/build-asan
configure_and_build "$ASAN_DIR" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
ASAN_OPTIONS=detect_leaks=1:fast_unwind_on_malloc=0:abort_on_error=1:strict_string_checks=1 \
LSAN_OPTIONS=suppressions=$ROOT_DIR/scripts/lsan.supp:print_suppressions=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    run_ctest "$ASAN_DIR" --timeout 900
echo "== sanitizer build and suite: $((SECONDS - started)) s"

started=$SECONDS
bash "$ROOT_DIR/scripts/fuzz.sh" "${FUZZ_SECONDS:-5}"
passed=$((passed + 3))
echo "== fuzzing: $((SECONDS - started)) s"
echo "Summary: $passed passed, 0 failed"
