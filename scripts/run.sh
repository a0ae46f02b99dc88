#!/usr/bin/env bash
# Sets up, builds and starts Tessarine with the sample media that ship with it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
exec "$BUILD_DIR/tessarine"
