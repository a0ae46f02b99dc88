#!/usr/bin/env bash
# Fails when a C++ source of the project differs from what clang-format makes of it with the
# project's .clang-format, and names the files. `--fix` formats them in place instead.
# clang-format 14 (Debian 12's) is the reference: other versions break some lines differently.
#
#   scripts/check-format.sh [--fix]
set -euo pipefail
ROOT_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$ROOT_DIR"

formatter=${CLANG_FORMAT:-$(command -v clang-format-14 || command -v clang-format || true)}
[ -n "$formatter" ] || { echo "check-format: clang-format-14 is not installed (apt-get install clang-format-14)" >&2; exit 2; }

# The tracked sources, or in a copy without git the sources outside the build folders; never the
# fuzzers' inputs.
if command -v git >/dev/null && git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files -- '*.cpp' '*.h' ':!:fuzz/corpus/**')
else
    mapfile -t files < <(find . \( -path './build*' -o -path './.git' -o -path './fuzz/corpus' \) -prune \
                              -o -type f \( -name '*.cpp' -o -name '*.h' \) -print | sed 's|^\./||' | sort)
fi
[ ${#files[@]} -gt 0 ] || { echo "check-format: no sources found" >&2; exit 2; }

if [ "${1:-}" = --fix ]; then
    "$formatter" -i -- "${files[@]}"
    echo "check-format: formatted ${#files[@]} files"
    exit 0
fi

# One run for the usual case; file by file only to name the files that differ.
if "$formatter" --dry-run -Werror -- "${files[@]}" >/dev/null 2>&1; then
    echo "check-format: ${#files[@]} files formatted as .clang-format says ($("$formatter" --version | grep -o 'version [0-9.]*'))"
    exit 0
fi
unformatted=()
for file in "${files[@]}"; do
    "$formatter" --dry-run -Werror -- "$file" >/dev/null 2>&1 || unformatted+=("$file")
done
if [ ${#unformatted[@]} -gt 0 ]; then
    # The first differences, enough to see what clang-format wants.
    "$formatter" --dry-run -Werror -- "${unformatted[@]}" 2>&1 | head -n 60 >&2 || true
    printf 'check-format: not formatted: %s\n' "${unformatted[@]}" >&2
    echo "check-format: ${#unformatted[@]} of ${#files[@]} files differ; scripts/check-format.sh --fix formats them" >&2
fi
exit 1
