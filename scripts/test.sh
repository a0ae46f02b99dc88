#!/usr/bin/env bash
# Sets up, builds, then runs everything CI checks:
#   0. the code's format (scripts/check-format.sh);
#   1. the whole test suite with the benchmarks' smoke runs (ctest), and, when run as root, the
#      tests that need file permissions to hold once more as an ordinary user;
#   2. the same suite built with AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/);
#   3. each fuzz target for a few seconds, seeded by the committed corpus (build-fuzz/, libFuzzer).
# `scripts/test.sh --quick` runs only the first two. Nothing in the checkout is changed.
set -euo pipefail
# postgresql: the records tests start a throwaway server of their own.
EXTRA_PACKAGES="clang libclang-rt-14-dev clang-format-14 dpkg-dev file desktop-file-utils postgresql"
SETUP_BUILD=no
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

# The superuser may write a read-only file and read a folder that forbids it, so under root (as in
# CI) these tests skip; they run again here as a system user of their own, with a home of its own.
# Each entry is a test program and the test function that needs the permissions.
PERMISSION_TESTS=("test_bad_input settingsFiles" "test_bad_input filesThatGoAway"
                  "test_records recordsThatCannotBeMadeAreReportedOnce"
                  "test_add_picture foldersThatCannotBeWritten"
                  "test_pictures_window readOnlyProgramFolderLeadsToPersonalCopy")
TEST_USER=tessarine-test
run_permission_tests() {
    if ! id -u "$TEST_USER" >/dev/null 2>&1; then
        useradd --system --user-group --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin "$TEST_USER"
    fi
    local home
    home=$(mktemp -d)
    mkdir -p "$home/config" "$home/runtime"
    chmod 700 "$home/runtime"
    chown -R "$TEST_USER:" "$home"
    local as_user=(setpriv --reuid="$(id -u "$TEST_USER")" --regid="$(id -g "$TEST_USER")" --clear-groups)
    local entry program function exe status
    for entry in "${PERMISSION_TESTS[@]}"; do
        read -r program function <<<"$entry"
        exe=$BUILD_DIR/tests/$program
        # A build tree the user cannot reach (under /root, say): the program is copied.
        if ! "${as_user[@]}" test -x "$exe"; then
            install -m 755 -o "$TEST_USER" "$exe" "$home/$program"
            exe=$home/$program
        fi
        status=0
        "${as_user[@]}" env -i PATH="$PATH" LANG=C.UTF-8 HOME="$home" XDG_CONFIG_HOME="$home/config" \
            XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='qt.multimedia*=false' \
            "$exe" "$function" >"$home/$program.log" 2>&1 || status=$?
        if [ "$status" -ne 0 ] || ! grep -q '^Totals: [1-9][0-9]* passed, 0 failed, 0 skipped' "$home/$program.log"; then
            cat "$home/$program.log"
            echo "$program $function failed or skipped as user $TEST_USER (status $status)"
            rm -rf "$home"
            exit 1
        fi
        echo "as user $TEST_USER: $program $function: $(grep '^Totals:' "$home/$program.log")"
        passed=$((passed + 1))
    done
    rm -rf "$home"
}

bash "$ROOT_DIR/scripts/check-format.sh"
passed=$((passed + 1))

started=$SECONDS
build_program
run_ctest "$BUILD_DIR" --timeout 600
if [ "$(id -u)" -eq 0 ]; then
    run_permission_tests
fi
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
bash "$ROOT_DIR/scripts/fuzz.sh" --scratch "${FUZZ_SECONDS:-5}"
passed=$((passed + 3))
echo "== fuzzing: $((SECONDS - started)) s"
echo "Summary: $passed passed, 0 failed"
