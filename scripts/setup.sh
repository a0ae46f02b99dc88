#!/usr/bin/env bash
# Installs what the build needs (only what is missing), then configures and builds with two jobs.
# Sourced by run.sh and test.sh; BUILD_DIR and EXTRA_PACKAGES may be set beforehand, and
# SETUP_BUILD=no leaves the build to the caller (build_program).
set -euo pipefail

ROOT_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT_DIR/build}
# qt6-declarative-dev: Debian's Qt TextToSpeech CMake files need its QmlIntegration module but do
# not depend on it.
PACKAGES=(cmake make g++ qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n qt6-multimedia-dev libqt6multimedia6 libpulse0 fonts-liberation2
          qt6-charts-dev libqt6sql6-sqlite libqt6sql6-psql libjpeg62-turbo-dev
          qt6-speech-dev qt6-declarative-dev qt6-speech-flite-plugin qt6-speech-speechd-plugin speech-dispatcher-espeak-ng
          qt6-image-formats-plugins qt6-svg-dev libheif-dev
          ${EXTRA_PACKAGES:-})

install_missing() {
    # One query for all of them: a package dpkg does not know is left out of its answer.
    local installed missing=()
    installed=$(dpkg-query -W -f='${Package} ${Status}\n' "$@" 2>/dev/null | awk '/ install ok installed$/ {print $1}' || true)
    for package in "$@"; do
        grep -qxF "$package" <<<"$installed" || missing+=("$package")
    done
    [ ${#missing[@]} -gt 0 ] || return 0
    echo "Installing: ${missing[*]}"
    local sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
}

# configure_and_build DIR [cmake options...]: configures once, then builds what changed.
configure_and_build() {
    local dir=$1
    shift
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake -S "$ROOT_DIR" -B "$dir" "$@"
    fi
    cmake --build "$dir" -j2
}

build_program() {
    configure_and_build "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo
}

install_missing "${PACKAGES[@]}"
if [ "${SETUP_BUILD:-yes}" != no ]; then
    build_program
fi
