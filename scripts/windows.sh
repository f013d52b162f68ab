#!/usr/bin/env bash
# Builds the Windows programs (programmer-en.exe, programmer-zh.exe,
# programmer-cli.exe, link-check.exe) with MinGW-w64 against Qt 6.4.2 for
# Windows, into build/windows/.
# Usage: scripts/windows.sh [QT_ARCHIVE]
# The Qt archive (qt6-mingw-6.4.2.tar.xz) is taken from the argument, else
# $QT_MINGW_ARCHIVE, else ../shared/toolchains/; it is unpacked once into
# ~/.cache/programmer/ (where the windows preset looks) after its SHA-256 is
# checked.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

scripts/deps.sh --windows

archive=${1:-${QT_MINGW_ARCHIVE:-$root/../shared/toolchains/qt6-mingw-6.4.2.tar.xz}}
# The archive this project was built and tested with; a rebuilt one is
# accepted by giving its checksum in QT_MINGW_SHA256.
expected=${QT_MINGW_SHA256:-ccc6230bd14679ca194f1e7b414f3a942070c1d7c938465c692a713bd93d4d31}
cache=$HOME/.cache/programmer/qt6-mingw-6.4.2
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

cmake --preset windows >/dev/null
cmake --build --preset windows
echo "Windows programs: $root/build/windows/bin/"

# The portable folder and its zip. Debian has no windeployqt for this target,
# so the list is the project's own:
#  - the three programs and the files they read beside them;
#  - the Qt libraries they link (Core, Gui, Widgets, PrintSupport, SerialPort);
#  - platforms/qwindows.dll, without which no Qt window opens;
#  - styles/qwindowsvistastyle.dll, the native look;
#  - imageformats/qico.dll, for the .ico application icon;
#  - MinGW's C++ runtime, linked dynamically by Qt and by the programs.
version=$(sed -n 's/^project(programmer VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
name=programmer-$version-windows-x64
dist=$root/build/windows/dist
folder=$dist/$name
rm -rf "$folder" "$dist/$name.zip"
mkdir -p "$folder/platforms" "$folder/styles" "$folder/imageformats"
bin=$root/build/windows/bin
cp "$bin/programmer-en.exe" "$bin/programmer-zh.exe" "$bin/programmer-cli.exe" "$bin/Default.dat" \
    "$bin/Program.ini" "$folder/"
cp -r "$bin/help" "$folder/"
for lib in Core Gui Widgets PrintSupport SerialPort; do
    cp "$qt/bin/Qt6$lib.dll" "$folder/"
done
cp "$qt/plugins/platforms/qwindows.dll" "$folder/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$folder/styles/"
cp "$qt/plugins/imageformats/qico.dll" "$folder/imageformats/"
cp /usr/lib/gcc/x86_64-w64-mingw32/12-posix/libgcc_s_seh-1.dll \
    /usr/lib/gcc/x86_64-w64-mingw32/12-posix/libstdc++-6.dll \
    /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$folder/"
cp "$root/resources/windows/README.txt" "$folder/README.txt"
(cd "$dist" && cmake -E tar cf "$name.zip" --format=zip "$name")
echo "Portable zip: $dist/$name.zip ($(du -h "$dist/$name.zip" | cut -f1))"

# The installer, from the same folder.
setup=$dist/programmer-$version-setup-x64.exe
makensis -V2 -DSRC="$folder" -DICON="$root/resources/icons/app/programmer.ico" -DVERSION="$version" \
    -DOUTFILE="$setup" "$root/resources/windows/programmer.nsi"
echo "Installer: $setup ($(du -h "$setup" | cut -f1))"
