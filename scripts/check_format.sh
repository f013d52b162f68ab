#!/usr/bin/env bash
# Fails on a C++ file that .clang-format would change; with --fix, formats them.
set -euo pipefail
cd "$(dirname "$0")/.."

format=${CLANG_FORMAT:-clang-format}
if ! command -v "$format" >/dev/null; then
    echo "clang-format is not installed (scripts/deps.sh installs it)" >&2
    exit 1
fi
mapfile -t files < <(find codecs document controls channels settings signalling radio link printing shell \
    tools tests bench fuzz -name '*.cpp' -o -name '*.h' | sort)
if [ "${1:-}" = "--fix" ]; then
    "$format" -i "${files[@]}"
    exit 0
fi
if ! "$format" --dry-run --Werror "${files[@]}" 2>/tmp/format-check.$$; then
    grep -E '^[^ ].*: (error|warning):' /tmp/format-check.$$ | cut -d: -f1 | sort -u | sed 's/^/not formatted: /'
    rm -f /tmp/format-check.$$
    echo "Run 'cmake --build build --target format' (or scripts/check_format.sh --fix)." >&2
    exit 1
fi
rm -f /tmp/format-check.$$
echo "${#files[@]} files formatted"
