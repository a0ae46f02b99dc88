#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each on its corpus in fuzz/corpus for the given
# number of seconds (default 60). New inputs that reach new code are added to that corpus: commit
# them. With --scratch the committed corpus is only the seed and new inputs go to a temporary
# folder, so that the checkout stays as it was (the test command fuzzes this way).
#
#   scripts/fuzz.sh [--scratch] [SECONDS]
set -euo pipefail
ROOT_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
scratch=0
if [ "${1:-}" = --scratch ]; then
    scratch=1
    shift
fi
SECONDS_EACH=${1:-60}
FUZZ_DIR=$ROOT_DIR/build-fuzz
if [ ! -f "$FUZZ_DIR/CMakeCache.txt" ]; then
    CXX=clang++ cmake -S "$ROOT_DIR" -B "$FUZZ_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSARINE_FUZZ=ON \
        -DBUILD_TESTING=OFF -DTESSARINE_BENCHMARKS=OFF \
        -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all"
fi
targets=(estrai_parte conversions matching)
cmake --build "$FUZZ_DIR" -j2 --target "${targets[@]/#/fuzz_}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Inputs that crash are kept in the build folder, not in the current folder (libFuzzer's default).
artifacts=$FUZZ_DIR/artifacts
mkdir -p "$artifacts"
for target in "${targets[@]}"; do
    echo "== fuzz_$target for $SECONDS_EACH s"
    corpus=("$ROOT_DIR/fuzz/corpus/$target")
    # libFuzzer writes new inputs into the first folder and only reads the others.
    if [ "$scratch" -eq 1 ]; then
        mkdir "$work/$target"
        corpus=("$work/$target" "${corpus[@]}")
    fi
    log=$work/fuzz_$target.log
    status=0
    ASAN_OPTIONS=detect_leaks=1 "$FUZZ_DIR/fuzz/fuzz_$target" -max_total_time="$SECONDS_EACH" -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$artifacts/fuzz_$target-" "${corpus[@]}" \
        >"$log" 2>&1 || status=$?
    if [ "$status" -ne 0 ]; then
        # The whole report (the crash, its stack and the input that caused it), without the lines
        # that only tell of progress.
        grep -Ev '^#[0-9]+[[:space:]]+(NEW|REDUCE|pulse|INITED|RELOAD)' "$log" || true
        echo "fuzz_$target failed (status $status); the input that failed is in $artifacts"
        exit 1
    fi
    tail -n 12 "$log"
done
