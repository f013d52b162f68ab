# shellcheck shell=bash
# Sourced by the Wine tests: a work folder removed at exit, fail and step,
# and a private Wine prefix. A test that starts more defines stop_more(),
# which runs first at exit.
work=$(mktemp -d)
cleanup() {
    if declare -F stop_more >/dev/null; then stop_more || true; fi
    wineserver -k >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
started=$(date +%s)
step() { echo "$1 ($(($(date +%s) - started)) s)"; }
# Skips the test (exit 77) when one of the tools is missing.
need() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || {
            echo "SKIPPED: needs $tool"
            exit 77
        }
    done
}
# A fresh prefix in the work folder; its server writes its notes aside.
new_prefix() {
    export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    wineboot -i >"$work/wineboot.log" 2>&1 || fail "wineboot: $(cat "$work/wineboot.log")"
    wineserver -p >"$work/wineserver.log" 2>&1 || true
}
