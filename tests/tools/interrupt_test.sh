#!/usr/bin/env bash
# Ctrl+C ends a CLI transfer at once: while waking a silent radio ("Cancelled",
# not "Communication error" after all nine wake-ups) and at a locked radio's
# password prompt. Exit status 1, and no file.
set -euo pipefail
sim=$1 cli=$2 dat=$3
work=$(mktemp -d)
sim_pid=
cleanup() {
    [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    cat "$work/err" >&2 2>/dev/null || true
    exit 1
}
start_sim() {
    "$sim" "$@" "$dat" >"$work/sim.out" 2>/dev/null &
    sim_pid=$!
    for _ in $(seq 100); do
        [ -s "$work/sim.out" ] && break
        sleep 0.05
    done
    pty=$(head -n1 "$work/sim.out")
}

# Waking a silent radio.
start_sim --silent
"$cli" read "$pty" "$work/out.dat" 2>"$work/err" &
pid=$!
sleep 1.5
start=$(date +%s%N)
kill -INT "$pid"
rc=0
wait "$pid" || rc=$?
elapsed=$((($(date +%s%N) - start) / 1000000))
kill "$sim_pid"
sim_pid=
[ "$rc" = 1 ] || fail "silent radio: exit $rc"
grep -q "Cancelled" "$work/err" || fail "silent radio: not Cancelled"
! grep -q "Communication error" "$work/err" || fail "silent radio: Communication error"
[ ! -e "$work/out.dat" ] || fail "silent radio: a file was written"
[ "$elapsed" -lt 1000 ] || fail "silent radio: took $elapsed ms to stop"
echo "silent radio: stopped $elapsed ms after Ctrl+C"

# At the password prompt (stdin stays open, so the prompt would wait for ever).
start_sim --locked
mkfifo "$work/stdin"
exec 3<>"$work/stdin" # open, and never written
"$cli" read "$pty" "$work/out.dat" <"$work/stdin" 2>"$work/err" &
pid=$!
for _ in $(seq 100); do
    grep -q "Password" "$work/err" 2>/dev/null && break
    sleep 0.05
done
grep -q "Password" "$work/err" || fail "no password prompt"
kill -INT "$pid"
rc=0
wait "$pid" || rc=$?
exec 3>&-
[ "$rc" = 1 ] || fail "password prompt: exit $rc"
grep -q "cancelled" "$work/err" || fail "password prompt: not cancelled"
[ ! -e "$work/out.dat" ] || fail "password prompt: a file was written"
echo "password prompt: cancelled"
