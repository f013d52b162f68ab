#!/usr/bin/env bash
# The transfer log: a failing read of a locked radio is logged with its
# decisions and without the password, and radio-sim --replay answers a second
# read as that radio did, so it fails the same way. A good write replays to a
# good write. Bad logs and bad log paths get a message.
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
    exit 1
}
start_sim() {
    : >"$work/sim.out"
    "$sim" "$@" >"$work/sim.out" 2>"$work/sim.err" &
    sim_pid=$!
    for _ in $(seq 100); do
        [ -s "$work/sim.out" ] && break
        sleep 0.05
    done
    pty=$(head -n1 "$work/sim.out")
}
stop_sim() {
    kill "$sim_pid"
    wait "$sim_pid" || true
    sim_pid=
}
# What the PC sent and what the engine decided, without times, reads and the port's name.
decisions() {
    grep -v '^#' "$1" | awk '$2 != "radio->PC" && $2 != "purge" { $1 = ""; print }' | grep -v -e ' open ' -e ' port '
}

# A locked radio that cuts its answer to block 4 short.
start_sim --locked --cut-reply 4 "$dat"
rc=0
"$cli" read "$pty" "$work/a.dat" --password 5317kd --trace "$work/a.log" 2>"$work/a.err" || rc=$?
stop_sim
[ "$rc" = 1 ] || fail "logged read: exit $rc"
grep -q "Communication error" "$work/a.err" || fail "logged read: $(cat "$work/a.err")"
for says in "lock byte 03: locked" "password accepted" "reply data short: 64 of 128 bytes" \
    "result: Communication error" "PC->radio  52 02 00 80"; do
    grep -q -- "$says" "$work/a.log" || fail "the log does not say: $says"
done
! grep -qi "5317kd" "$work/a.log" || fail "the log holds the password"

start_sim --replay "$work/a.log"
rc=0
"$cli" read "$pty" "$work/b.dat" --password 5317KD --trace "$work/b.log" 2>"$work/b.err" || rc=$?
stop_sim
[ "$rc" = 1 ] || fail "replayed read: exit $rc"
[ ! -e "$work/b.dat" ] || fail "replayed read: a file was written"
diff <(grep programmer-cli "$work/a.err") <(grep programmer-cli "$work/b.err") || fail "replayed read: other messages"
diff <(decisions "$work/a.log") <(decisions "$work/b.log") || fail "replayed read: another course"
! grep -q "left the log" "$work/sim.err" || fail "replay: $(cat "$work/sim.err")"

# A good write, and its replay.
start_sim "$dat"
"$cli" write "$pty" "$dat" --trace "$work/w.log" 2>/dev/null || fail "logged write failed"
stop_sim
start_sim --replay "$work/w.log"
"$cli" write "$pty" "$dat" 2>"$work/w.err" || fail "replayed write: $(cat "$work/w.err")"
stop_sim
grep -q "after \([0-9]*\) of the log's \1 writes" "$work/sim.err" || fail "replayed write: $(cat "$work/sim.err")"

# What is not a log, and a log that cannot be written.
printf 'hello\n' >"$work/bad.log"
rc=0
"$sim" --replay "$work/bad.log" >/dev/null 2>"$work/err" || rc=$?
[ "$rc" = 1 ] && grep -q "is not a transfer log: line 1" "$work/err" || fail "bad log: exit $rc, $(cat "$work/err")"
rc=0
"$sim" --replay "$work/w.log" --locked >/dev/null 2>"$work/err" || rc=$?
[ "$rc" = 2 ] || fail "--replay with --locked: exit $rc"
start_sim "$dat"
rc=0
"$cli" read "$pty" "$work/c.dat" --trace "$work/no/such/folder/c.log" 2>"$work/err" || rc=$?
stop_sim
[ "$rc" = 1 ] && grep -q "cannot write the transfer log" "$work/err" || fail "unwritable log: exit $rc"
grep -q "0 wake-up(s)" "$work/sim.err" || fail "unwritable log: the radio was woken"
echo "replay_test: ok"
