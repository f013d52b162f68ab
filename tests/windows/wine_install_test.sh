#!/usr/bin/env bash
# The Windows installer under Wine: a silent install into Program Files with
# the Start-menu entries, the uninstaller's entry and the .dat "open with"
# entry; the installed programs run from there; a silent uninstall removes
# the program's files and entries.
#   wine_install_test.sh SETUP.exe
set -euo pipefail
setup=$(realpath "$1")
# shellcheck source=tests/windows/wine_common.sh
. "$(dirname "$0")/wine_common.sh"
need wine
[ -f "$setup" ] || {
    echo "SKIPPED: needs the installer (scripts/windows.sh)"
    exit 77
}
new_prefix
unset WINEPATH # the installed programs find their DLLs beside them
reg_has() { wine reg query "$1" /v "$2" >/dev/null 2>&1; }

timeout 300 wine "$setup" /S || fail "the installer failed"
wineserver -w
dir="$WINEPREFIX/drive_c/Program Files/QM4410 Programmer"
for f in programmer-en.exe programmer-zh.exe programmer-cli.exe uninstall.exe Qt6Core.dll platforms/qwindows.dll \
    libstdc++-6.dll Default.dat Program.ini help/index.html README.txt; do
    [ -e "$dir/$f" ] || fail "not installed: $f"
done
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/QM4410 Programmer"
for link in "QM4410 Programmer.lnk" "QM4410 Programmer (Chinese).lnk"; do
    [ -e "$menu/$link" ] || fail "no Start-menu entry $link"
done
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\QM4410Programmer'
reg_has "$key" UninstallString || fail "no uninstaller entry"
reg_has 'HKLM\Software\Classes\.dat\OpenWithProgids' VRX.QM4410.Parameters || fail "no open-with entry for .dat"
if reg_has 'HKLM\Software\Classes\.dat' ''; then
    [ "$(wine reg query 'HKLM\Software\Classes\.dat' /ve 2>/dev/null | tr -d '\r' | grep -c VRX)" = 0 ] ||
        fail ".dat was taken over"
fi
step "4. silent install: files, Start menu, uninstaller and .dat open-with entries"

# The installed CLI makes the same file as the Linux build's factory defaults.
(cd "$work" && timeout 120 wine "$dir/programmer-cli.exe" new installed.dat) || fail "the installed CLI failed"
cmp -s "$work/installed.dat" "$dir/Default.dat" || fail "the installed CLI wrote another file"
step "   the installed programmer-cli.exe runs"

# The installed English edition starts: its window appears on a display of its own.
if command -v Xvfb >/dev/null && command -v xdotool >/dev/null; then
    display=:$((100 + RANDOM % 400))
    Xvfb "$display" -screen 0 1280x800x24 >/dev/null 2>&1 &
    xvfb_pid=$!
    sleep 1
    (cd "$work" && DISPLAY=$display wine "$dir/programmer-en.exe" >"$work/gui.log" 2>&1) 2>/dev/null &
    disown $! # ended by wineserver -k below, without the shell reporting it
    window=
    for _ in $(seq 60); do
        window=$(DISPLAY=$display xdotool search --name '^QM4410' 2>/dev/null | head -1) || true
        [ -n "$window" ] && break
        sleep 1
    done
    wineserver -k >/dev/null 2>&1 || true
    kill "$xvfb_pid" 2>/dev/null || true
    [ -n "$window" ] || fail "the installed programmer-en.exe showed no window: $(cat "$work/gui.log")"
    step "   the installed programmer-en.exe starts"
fi

timeout 300 wine "$dir/uninstall.exe" /S || fail "the uninstaller failed"
wineserver -w
sleep 2 # the uninstaller finishes from a copy of itself
[ ! -e "$dir/programmer-en.exe" ] || fail "the uninstaller left the program"
[ ! -e "$menu" ] || fail "the uninstaller left the Start menu"
! reg_has "$key" UninstallString || fail "the uninstaller left its entry"
step "   silent uninstall: files and entries gone"
# Installed where its user may not write (Program Files for a user who is no
# administrator): the program keeps that user's Program.ini in the user's own
# folders. Root writes anything, so as root the user is nobody, with a prefix
# of its own; the program folder is then made read-only.
user_run=()
if [ "$(id -u)" -eq 0 ]; then
    command -v setpriv >/dev/null || {
        echo "   (skipped the read-only program folder: root without setpriv)"
        echo "wine installer: all passed"
        exit 0
    }
    user_run=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
userdir=$work/user
mkdir -p "$userdir/home"
chmod 0777 "$work" "$userdir" "$userdir/home"
[ "${#user_run[@]}" = 0 ] || chown -R 65534:65534 "$userdir" # Wine wants the prefix's folder to be the user's
cp "$setup" "$userdir/setup.exe"
chmod a+r "$userdir/setup.exe"
as_user() {
    HOME=$userdir/home WINEPREFIX=$userdir/prefix "${user_run[@]}" "$@"
}
as_user wineboot -i >"$work/user-wineboot.log" 2>&1 || fail "wineboot as a user: $(cat "$work/user-wineboot.log")"
timeout 300 env HOME="$userdir/home" WINEPREFIX="$userdir/prefix" "${user_run[@]}" wine "$userdir/setup.exe" /S ||
    fail "the installer failed for a user"
as_user wineserver -w
udir="$userdir/prefix/drive_c/Program Files/QM4410 Programmer"
[ -e "$udir/programmer-cli.exe" ] || fail "not installed for a user"
chmod -R a-w "$udir"
mine=$userdir/home/mine.dat
(cd "$userdir/home" && timeout 120 env HOME="$userdir/home" WINEPREFIX="$userdir/prefix" "${user_run[@]}" \
    wine "$udir/programmer-cli.exe" new "Z:${mine//\//\\}") ||
    fail "the installed CLI failed for a user"
ini=$(find "$userdir/prefix/drive_c/users" -name Program.ini 2>/dev/null | head -1)
[ -n "$ini" ] || fail "no Program.ini in the user's folders"
cmp -s "$ini" "$udir/Program.ini" || fail "the user's Program.ini is not the shipped one"
[ -s "$mine" ] || fail "the user's file was not written"
as_user wineserver -k >/dev/null 2>&1 || true
chmod -R u+w "$udir"
step "   read-only program folder: the user's Program.ini in ${ini#"$userdir/prefix/drive_c/"}"
echo "wine installer: all passed"
