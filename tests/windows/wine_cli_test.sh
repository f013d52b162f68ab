#!/usr/bin/env bash
# The Windows programmer-cli.exe under Wine against the Linux build:
#  1. new, info and dump on the same files give byte-identical files and the
#     same text;
#  2. read and write through COM7 of a private prefix, mapped to radio-sim on
#     a pseudo-terminal, give the same bytes as the Linux CLI; a silent radio
#     fails with "Communication error".
#   wine_cli_test.sh WINDOWS_BIN QT_BIN LINUX_CLI RADIO_SIM
set -euo pipefail
win=$(realpath "$1") qt=$(realpath "$2") cli=$(realpath "$3") sim=$(realpath "$4")
# shellcheck source=tests/windows/wine_common.sh
. "$(dirname "$0")/wine_common.sh"
sim_pid=''
stop_more() { [ -z "$sim_pid" ] || kill "$sim_pid" 2>/dev/null; }
need wine
[ -f "$win/programmer-cli.exe" ] || {
    echo "SKIPPED: needs the Windows build (scripts/windows.sh)"
    exit 77
}
new_prefix
WINEPATH="$(winepath -w "$qt");$(winepath -w /usr/lib/gcc/x86_64-w64-mingw32/12-posix);$(winepath -w /usr/x86_64-w64-mingw32/lib)"
export WINEPATH
wincli() { (cd "$work" && timeout 120 wine "$win/programmer-cli.exe" "$@" | tr -d '\r'); }
lincli() { (cd "$work" && timeout 120 "$cli" "$@"); }

# 1. The same files and the same text.
lincli new linux.dat
wincli new windows.dat
cmp -s "$work/linux.dat" "$work/windows.dat" || fail "new: the files differ"
wincli new windows.dat # over an existing file
cmp -s "$work/linux.dat" "$work/windows.dat" || fail "new over a file: the files differ"
for command in "info linux.dat" "dump linux.dat 0xCC00 0xCD00"; do
    # shellcheck disable=SC2086 # the words of the command
    diff <(lincli $command) <(wincli $command) >"$work/diff" || fail "$command: $(cat "$work/diff")"
done
step "1. new, info and dump: the same files and text as the Linux CLI"

# 2. Transfers through COM7.
start_sim() {
    : >"$work/sim.out"
    "$sim" "$@" >"$work/sim.out" 2>"$work/sim.err" &
    sim_pid=$!
    for _ in $(seq 100); do
        [ -s "$work/sim.out" ] && break
        sleep 0.05
    done
    pty=$(head -n1 "$work/sim.out")
    [ -n "$pty" ] || fail "radio-sim printed no device"
    ln -sfn "$pty" "$WINEPREFIX/dosdevices/com7"
}
stop_sim() {
    kill -INT "$sim_pid" 2>/dev/null || true
    wait "$sim_pid" || true
    sim_pid=
}
# A radio whose memory differs from the defaults.
cp "$work/linux.dat" "$work/radio.dat"
printf 'WINE TEST RADIO' | dd of="$work/radio.dat" bs=1 seek=$((4096 + 0x2000)) conv=notrunc status=none
start_sim "$work/radio.dat"
lincli read "$pty" linux-read.dat >/dev/null 2>&1
stop_sim
start_sim "$work/radio.dat"
wincli read COM7 windows-read.dat >/dev/null 2>&1 || fail "read COM7"
stop_sim
cmp -s "$work/linux-read.dat" "$work/windows-read.dat" || fail "read: the files differ"
printf 'WRITTEN FROM WINE' | dd of="$work/windows-read.dat" bs=1 seek=$((4096 + 0x3000)) conv=notrunc status=none
start_sim --save "$work/after-windows.dat" "$work/radio.dat"
wincli write COM7 windows-read.dat >/dev/null 2>&1 || fail "write COM7"
stop_sim
start_sim --save "$work/after-linux.dat" "$work/radio.dat"
lincli write "$pty" windows-read.dat >/dev/null 2>&1
stop_sim
cmp -s "$work/after-linux.dat" "$work/after-windows.dat" || fail "write: the radios differ"
start_sim --silent "$work/radio.dat"
rc=0
wincli read COM7 silent.dat >"$work/silent.out" 2>&1 || rc=$?
stop_sim
[ "$rc" = 1 ] || fail "silent radio: exit $rc"
grep -q "Communication error" "$work/silent.out" || fail "silent radio: $(cat "$work/silent.out")"
[ ! -e "$work/silent.dat" ] || fail "silent radio: a file was written"
step "2. read and write through COM7: the same bytes as the Linux CLI; a silent radio: Communication error"
echo "wine CLI: all passed"
