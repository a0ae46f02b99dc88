#!/usr/bin/env bash
# Sets up and builds, then runs everything CI checks:
#   1. the whole test suite with the benchmarks' smoke runs (ctest);
#   2. the same suite built with AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/);
#   3. each fuzz target for a few seconds on its corpus (build-fuzz/, clang's libFuzzer).
# `scripts/test.sh --quick` runs only the first.
set -euo pipefail
EXTRA_PACKAGES="clang libclang-rt-14-dev dpkg-dev desktop-file-utils"
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

started=$SECONDS
(cd "$BUILD_DIR" && ctest --output-on-failure --timeout 600 -j2)
echo "== test suite: $((SECONDS - started)) s"
[ "${1:-}" = "--quick" ] && exit 0

started=$SECONDS
ASAN_DIR=$ROOT_DIR/build-asan
configure_and_build "$ASAN_DIR" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
(cd "$ASAN_DIR" && \
    ASAN_OPTIONS=detect_leaks=1:fast_unwind_on_malloc=0:abort_on_error=1:strict_string_checks=1 \
    LSAN_OPTIONS=suppressions=$ROOT_DIR/scripts/lsan.supp:print_suppressions=0 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --output-on-failure --timeout 900 -j2)
echo "== sanitizer build and suite: $((SECONDS - started)) s"

started=$SECONDS
bash "$ROOT_DIR/scripts/fuzz.sh" "${FUZZ_SECONDS:-5}"
echo "== fuzzing: $((SECONDS - started)) s"
