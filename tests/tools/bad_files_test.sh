#!/usr/bin/env bash
# What is not a parameter file (a folder, an endless device, a FIFO, a short
# file) is refused at once with a message and exit status 1, never read
# without end or waited on. A file name the program cannot hold exactly is
# refused rather than changed.
set -euo pipefail
sim=$1 cli=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkfifo "$work/fifo.dat"
head -c 100 /dev/zero >"$work/short.dat"
for input in "$work" /dev/zero "$work/fifo.dat" "$work/short.dat"; do
    for program in "$sim" "$cli info"; do
        rc=0
        # shellcheck disable=SC2086 # the program and its command word
        out=$(timeout 10 $program "$input" 2>&1) || rc=$?
        if [ "$rc" != 1 ] || [ -z "$out" ]; then
            echo "FAIL: $program $input: exit $rc: $out" >&2
            exit 1
        fi
        echo "$program $input: $out"
    done
done

bad_name="$work/bad_"$'\xff\xfe'".dat"
rc=0
out=$("$cli" new "$bad_name" 2>&1) || rc=$?
if [ "$rc" != 1 ] || [ -n "$(find "$work" -name 'bad_*')" ] || ! grep -q "rename the file" <<<"$out"; then
    echo "FAIL: a name that is not UTF-8: exit $rc: $out" >&2
    exit 1
fi
echo "not UTF-8: $out"
