#!/usr/bin/env bash
# programmer-en.exe under Wine and Xvfb, driven with the keyboard as a user
# would: it opens a file made by the Linux build, its main window appears
# (found by its title), Save As writes a byte-identical copy (so the views
# loaded every byte and stored it back: the file differs from the defaults,
# so a program that loaded nothing fails), and Exit ends it without asking.
#   wine_gui_test.sh PORTABLE_FOLDER LINUX_CLI [SCREENSHOT.png]
set -euo pipefail
folder=$(realpath "$1") cli=$(realpath "$2") shot=${3:-}
# shellcheck source=tests/windows/wine_common.sh
. "$(dirname "$0")/wine_common.sh"
need wine Xvfb openbox xdotool
xvfb_pid='' wm_pid=''
stop_more() {
    [ -z "$wm_pid" ] || kill "$wm_pid" 2>/dev/null
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null
}
display=:$((100 + RANDOM % 400))
Xvfb "$display" -screen 0 1400x900x24 >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
sleep 1
openbox >/dev/null 2>&1 &
wm_pid=$!
new_prefix
unset WINEPATH

# A file that is not the factory defaults: channels of its own.
"$cli" new "$work/defaults.dat"
printf '%s\n%s\n%s\n' "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,Mode" \
    "2,WINE,146.520000,,0.600000,Tone,88.5,88.5,023,NN,FM" \
    "3,GUI,446.006250,-,5.000000,,88.5,88.5,023,NN,NFM" >"$work/channels.csv"
"$cli" import-csv "$work/channels.csv" "$work/defaults.dat" "$work/radio.dat" >/dev/null 2>&1 || true
cmp -s "$work/defaults.dat" "$work/radio.dat" && fail "the test file is the defaults"

win_path() { winepath -w "$1" 2>/dev/null; }
(cd "$folder" && wine ./programmer-en.exe "$(win_path "$work/radio.dat")" >"$work/gui.log" 2>&1) &
window=
for _ in $(seq 60); do
    window=$(xdotool search --name 'QM4410 \[.*radio\.dat' 2>/dev/null | head -1) || true
    [ -n "$window" ] && break
    sleep 1
done
[ -n "$window" ] || fail "no main window within 60 s: $(cat "$work/gui.log")"
step "3. programmer-en.exe: its window, titled with the file, appeared"
sleep 2
[ -z "$shot" ] || import -window root "$shot" 2>/dev/null || true

# File > Save As, the name typed over the one offered.
xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
xdotool key --clearmodifiers alt+f
sleep 1
xdotool key a
sleep 3
xdotool key Home shift+End
xdotool type --delay 20 "$(win_path "$work/copy.dat")"
xdotool key Return
for _ in $(seq 20); do
    [ -s "$work/copy.dat" ] && break
    sleep 1
done
[ -s "$work/copy.dat" ] || fail "Save As wrote nothing"
cmp -s "$work/radio.dat" "$work/copy.dat" || fail "Save As wrote another file than the one opened"
step "   Save As wrote a byte-identical copy"

# File > Exit: no question, the program ends.
xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
xdotool key --clearmodifiers alt+f
sleep 1
xdotool key x
for _ in $(seq 30); do
    pgrep -f programmer-en.exe >/dev/null || break
    sleep 1
done
! pgrep -f programmer-en.exe >/dev/null || fail "Exit did not end the program (a question?)"
step "   Exit ended the program without a question"
echo "wine GUI: all passed"
