#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite (with the benchmarks' smoke runs) through CTest.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
cd "$BUILD_DIR"
ctest --output-on-failure --timeout 600 -j2
