#!/usr/bin/env bash
# Builds the Debian package from the release build, installs it on this
# machine, uses the installed programs as a normal user, and removes it again.
# Needs root (apt-get, useradd); .ci/run runs it after ./test.
set -euo pipefail
cd "$(dirname "$0")/.."

user=programmer-test
deb=
cleanup() {
    apt-get remove -y -q programmer >/dev/null 2>&1 || true
    userdel -r "$user" >/dev/null 2>&1 || true
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

export DEBIAN_FRONTEND=noninteractive
if ! command -v lintian >/dev/null; then
    apt-get install -y -q --no-install-recommends lintian
fi
[ -d build ] || { cmake --preset release && cmake --build --preset release; }
rm -f build/programmer_*.deb
(cd build && cpack -G DEB)
deb=$(ls build/programmer_*.deb)
echo "package: $deb, $(stat -c %s "$deb") bytes"
echo "Depends: $(dpkg-deb -f "$deb" Depends)"

# No errors; the warnings are listed.
lintian --fail-on error "$deb" 2>&1 | grep -v "running with root privileges" || true
lintian --fail-on error "$deb" >/dev/null 2>&1 || fail "lintian reports errors"

apt-get install -y -q "./$deb"
id "$user" >/dev/null 2>&1 || useradd -m -s /bin/bash "$user"
home=$(getent passwd "$user" | cut -d: -f6)
as_user() { su -s /bin/bash "$user" -c "cd ~ && $1"; }

as_user "programmer-cli new new.dat" || fail "programmer-cli new"
as_user "programmer-cli info new.dat" | grep -q "Signature: *OK" || fail "programmer-cli info"
[ -f "$home/.config/VRX/VRX/Program.ini" ] || fail "the CLI did not give the user a Program.ini"

as_user "QT_QPA_PLATFORM=offscreen PROGRAMMER_STARTUP_PROBE=1 timeout 60 programmer-en" |
    grep -q first_paint || fail "programmer-en did not start"
[ -d "$home/Documents/QM4410" ] || fail "programmer-en made no DATA folder in the user's documents"
grep -q "^COM=" "$home/.config/VRX/VRX/Program.ini" || fail "the user's Program.ini lost [Setup] COM"
[ ! -e /usr/share/programmer/DATA ] || fail "DATA was made in the shared folder"
# A parameter file is known by its content.
if command -v xdg-mime >/dev/null; then
    [ "$(as_user "xdg-mime query filetype new.dat")" = application/x-qm4410-parameters ] ||
        fail "the parameter file type is not recognised"
fi
echo "package test: all passed"
