#!/usr/bin/env bash
# Runs the Windows programs that scripts/windows.sh built under Wine, against
# the Linux build's CLI and radio-sim (./test builds them). Each step says
# what it checked and how long it took.
set -euo pipefail
cd "$(dirname "$0")/.."
qt=$HOME/.cache/programmer/qt6-mingw-6.4.2/qt6-mingw/bin
for f in build/windows/bin/programmer-cli.exe build/bin/programmer-cli build/bin/radio-sim; do
    [ -e "$f" ] || {
        echo "missing $f: run ./test and scripts/windows.sh first" >&2
        exit 1
    }
done
tests/windows/wine_cli_test.sh build/windows/bin "$qt" build/bin/programmer-cli build/bin/radio-sim
tests/windows/wine_install_test.sh build/windows/dist/programmer-*-setup-x64.exe
tests/windows/wine_gui_test.sh build/windows/dist/programmer-*-windows-x64 build/bin/programmer-cli
