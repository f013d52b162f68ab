#!/usr/bin/env bash
# Saving onto a nearly full disk: the CLI fails with the system's reason and
# the good file it would have replaced stays as it was. Needs a small tmpfs,
# so root (CI runs as root); skipped otherwise.
set -euo pipefail
cli=$1
disk=$(mktemp -d)
cleanup() {
    umount "$disk" 2>/dev/null || true
    rmdir "$disk"
}
trap cleanup EXIT
if [ "$(id -u)" -ne 0 ] || ! mount -t tmpfs -o size=100k tmpfs "$disk" 2>/dev/null; then
    echo "SKIPPED: needs root and a tmpfs mount"
    exit 77
fi
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

"$cli" new "$disk/old.dat"
cp "$disk/old.dat" "$disk/../good-copy.$$"
trap 'rm -f "$disk/../good-copy.$$"; cleanup' EXIT
# Leave about 32 KB free.
dd if=/dev/zero of="$disk/filler" bs=1k count=100 status=none 2>/dev/null || true
rm -f "$disk/filler"
dd if=/dev/zero of="$disk/filler" bs=1k count=$(($(df -k --output=avail "$disk" | tail -1) - 32)) status=none

for command in "new $disk/old.dat" "read SIM $disk/old.dat"; do
    rc=0
    # shellcheck disable=SC2086 # the words of the command
    "$cli" $command >"$disk/../out.$$" 2>&1 || rc=$?
    out=$(cat "$disk/../out.$$")
    rm -f "$disk/../out.$$"
    [ "$rc" = 1 ] || fail "$command exited $rc: $out"
    cmp -s "$disk/old.dat" "$disk/../good-copy.$$" || fail "$command damaged the old file"
    grep -qi "space\|disk" <<<"$out" || fail "$command gave no reason: $out"
    [ "$(find "$disk" -name '*old.dat?*' | wc -l)" = 0 ] || fail "$command left a temporary file"
    echo "$command: $(tail -1 <<<"$out")"
done
# A transfer log that fills the disk: reported with the system's reason.
rc=0
out=$("$cli" read SIM "$disk/../fd-out.$$" --trace "$disk/transfer.log" 2>&1) || rc=$?
rm -f "$disk/../fd-out.$$"
grep -q "transfer log .* is incomplete" <<<"$out" || fail "a full log was not reported: $out"
grep -qi "space" <<<"$out" || fail "the log's reason is lost: $out"
echo "transfer log: $(grep incomplete <<<"$out")"
echo "full disk: all passed"
