#!/usr/bin/env bash
# Builds the Windows programs (programmer-en.exe, programmer-zh.exe,
# programmer-cli.exe, link-check.exe) with MinGW-w64 against Qt 6.4.2 for
# Windows, into build/windows/.
# Usage: scripts/windows.sh [QT_ARCHIVE]
# The Qt archive (qt6-mingw-6.4.2.tar.xz) is taken from the argument, else
# $QT_MINGW_ARCHIVE, else ../shared/toolchains/; it is unpacked once into
# ${XDG_CACHE_HOME:-~/.cache}/programmer/ after its SHA-256 is checked.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

scripts/deps.sh --windows

archive=${1:-${QT_MINGW_ARCHIVE:-$root/../shared/toolchains/qt6-mingw-6.4.2.tar.xz}}
# The archive this project was built and tested with; a rebuilt one is
# accepted by giving its checksum in QT_MINGW_SHA256.
expected=${QT_MINGW_SHA256:-ccc6230bd14679ca194f1e7b414f3a942070c1d7c938465c692a713bd93d4d31}
cache=${XDG_CACHE_HOME:-$HOME/.cache}/programmer/qt6-mingw-6.4.2
if [ ! -x "$cache/qt6-mingw/bin/qt-cmake" ]; then
    if [ ! -f "$archive" ]; then
        cat >&2 <<MSG
Qt for Windows is missing: $archive
Give the path of qt6-mingw-6.4.2.tar.xz as the argument or in QT_MINGW_ARCHIVE,
or rebuild it with build-qt-mingw.sh (shared/toolchains/, about an hour on two cores).
MSG
        exit 1
    fi
    actual=$(sha256sum "$archive" | cut -d' ' -f1)
    if [ "$actual" != "$expected" ]; then
        echo "Wrong checksum for $archive: $actual, expected $expected" >&2
        exit 1
    fi
    rm -rf "$cache"
    mkdir -p "$cache"
    tar -xJf "$archive" -C "$cache"
fi
qt=$cache/qt6-mingw

# The generator of Default.dat runs at build time: the build machine's own.
cmake --preset release >/dev/null
cmake --build --preset release --target make-default-dat
host_tool=$root/build/tools/make-default-dat

"$qt/bin/qt-cmake" -S . -B build/windows -G Ninja \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_BUILD_TYPE=Release -DPROGRAMMER_TESTS=OFF -DPROGRAMMER_BENCH=OFF \
    -DPROGRAMMER_HOST_MAKE_DEFAULT="$host_tool" >/dev/null
cmake --build build/windows
echo "Windows programs: $root/build/windows/bin/"
