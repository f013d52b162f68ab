#!/usr/bin/env bash
# clang-tidy over every source file of the tree with the checks of .clang-tidy;
# fails on any finding. Needs a configured build (compile_commands.json).
#   scripts/tidy.sh [BUILD_DIR]     (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
[ -f "$build/compile_commands.json" ] || { echo "tidy: no $build/compile_commands.json; build first" >&2; exit 2; }
tidy=$(command -v run-clang-tidy-14 || command -v run-clang-tidy) || { echo "tidy: run-clang-tidy not found (apt-get install clang-tidy)" >&2; exit 2; }
# Our sources only: not the generated moc and resource files.
files='^'"$PWD"'/(codecs|document|controls|link|channels|settings|signalling|radio|printing|shell|tools|tests|bench|fuzz)/'
log=$(mktemp)
trap 'rm -f "$log"' EXIT
"$tidy" -quiet -p "$build" -j "$(nproc)" "$files" >"$log" 2>&1 || true
if grep -E "(warning|error): " "$log" | grep -v "^[0-9]* warnings\? generated" >/dev/null; then
    grep -E -A3 "(warning|error): " "$log" >&2
    echo "tidy: $(grep -cE "(warning|error): " "$log") finding(s)" >&2
    exit 1
fi
echo "tidy: no findings"
