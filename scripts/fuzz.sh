#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each on its corpus in fuzz/corpus for the given
# number of seconds (default 60; CI uses a few). New inputs that reach new code are added to the
# corpus: commit them.
set -euo pipefail
ROOT_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
SECONDS_EACH=${1:-60}
FUZZ_DIR=$ROOT_DIR/build-fuzz
if [ ! -f "$FUZZ_DIR/CMakeCache.txt" ]; then
    CXX=clang++ cmake -S "$ROOT_DIR" -B "$FUZZ_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSARINE_FUZZ=ON \
        -DBUILD_TESTING=OFF -DTESSARINE_BENCHMARKS=OFF \
        -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all"
fi
targets=(estrai_parte conversions matching)
cmake --build "$FUZZ_DIR" -j2 --target "${targets[@]/#/fuzz_}"
for target in "${targets[@]}"; do
    echo "== fuzz_$target for $SECONDS_EACH s"
    ASAN_OPTIONS=detect_leaks=1 "$FUZZ_DIR/fuzz/fuzz_$target" -max_total_time="$SECONDS_EACH" \
        -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 "$ROOT_DIR/fuzz/corpus/$target" 2>&1 | tail -n 12
    [ "${PIPESTATUS[0]}" -eq 0 ] || { echo "fuzz_$target failed"; exit 1; }
done
