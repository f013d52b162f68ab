#!/usr/bin/env bash
# What a save may replace and what a command may read: FIFOs, device nodes,
# folders and links to them are refused as outputs and left as they are; a
# transfer log never takes the parameter file's place nor hangs on a FIFO;
# the longest legal names save; a CSV file too large to be a channel list is
# refused before it is read. Device nodes are made in the test's own folder.
set -euo pipefail
cli=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
run() { # expected exit code, then the command's words; the output in $out
    local want=$1
    shift
    rc=0
    out=$(timeout 20 "$cli" "$@" 2>&1 </dev/null) || rc=$?
    [ "$rc" = "$want" ] || fail "$* exited $rc, not $want: $out"
}

"$cli" new "$dir/good.dat"
"$cli" export-csv "$dir/good.dat" "$dir/good.csv"
mkfifo "$dir/fifo"
ln -s fifo "$dir/fifo-link"
mkdir "$dir/folder"
targets=(fifo fifo-link folder)
if [ "$(id -u)" -eq 0 ] && mknod "$dir/null" c 1 3 2>/dev/null; then
    ln -s null "$dir/null-link"
    targets+=(null null-link)
else
    echo "no device node: not root (FIFOs, links and folders only)"
fi
kind() { stat -L -c %F "$dir/$1"; }
for t in "${targets[@]}"; do
    before=$(kind "$t")
    for command in "new $dir/$t" "import-csv $dir/good.csv $dir/good.dat $dir/$t" "export-csv $dir/good.dat $dir/$t" \
        "read SIM $dir/$t"; do
        # shellcheck disable=SC2086 # the words of the command
        run 1 $command
        grep -q "This is not a regular file." <<<"$out" || fail "$command: $out"
        [ "$(kind "$t")" = "$before" ] || fail "$command turned $t into $(kind "$t")"
    done
    if "$cli" --help 2>&1 | grep -q "print FILE.dat"; then
        QT_QPA_PLATFORM=offscreen run 1 print "$dir/good.dat" "$dir/$t"
        grep -q "This is not a regular file." <<<"$out" || fail "print to $t: $out"
    fi
done
echo "special targets refused: ${targets[*]}"

# The transfer log and the parameter file are never one file.
cp "$dir/good.dat" "$dir/keep.dat"
ln -s keep.dat "$dir/keep-link.log"
for trace in keep.dat keep-link.log ../"$(basename "$dir")"/keep.dat; do
    run 1 write SIM "$dir/keep.dat" --trace "$dir/$trace"
    grep -q "is the parameter file" <<<"$out" || fail "write --trace $trace: $out"
    cmp -s "$dir/keep.dat" "$dir/good.dat" || fail "write --trace $trace changed the file"
    run 1 read SIM "$dir/keep.dat" --trace "$dir/$trace"
    cmp -s "$dir/keep.dat" "$dir/good.dat" || fail "read --trace $trace changed the file"
done
run 1 read SIM "$dir/new.dat" --trace "$dir/new.dat"
[ ! -e "$dir/new.dat" ] || fail "read --trace OUT wrote OUT"
# A FIFO as the log: refused at once, not waited on.
run 1 read SIM "$dir/out.dat" --trace "$dir/fifo"
grep -q "This is not a regular file." <<<"$out" || fail "read --trace fifo: $out"
echo "transfer logs: refused where they would replace the data or hang"

# Names up to the longest legal one save, and leave no temporary file.
for length in 240 251 255; do
    name=$(printf 'n%.0s' $(seq 1 $((length - 4)))).dat
    run 0 new "$dir/$name"
    cmp -s "$dir/$name" "$dir/good.dat" || fail "a $length-byte name saved something else"
    run 0 new "$dir/$name"
done
[ "$(find "$dir" -name '*partial*' | wc -l)" = 0 ] || fail "a temporary file was left"
echo "long names: saved"

# A huge (sparse) CSV file is refused before it is read, in little memory.
truncate -s 60G "$dir/huge.csv"
rc=0
out=$(/usr/bin/time -f "peak %M kB" -o "$dir/time" timeout 20 "$cli" import-csv "$dir/huge.csv" "$dir/good.dat" \
    "$dir/out.dat" 2>&1) || rc=$?
[ "$rc" = 1 ] || fail "huge CSV exited $rc: $out"
grep -q "larger than 4 MB" <<<"$out" || fail "huge CSV: $out"
[ ! -e "$dir/out.dat" ] || fail "huge CSV wrote a file"
peak=$(sed -n 's/^peak \([0-9]*\) kB$/\1/p' "$dir/time")
if [ -z "$peak" ] || [ "$peak" -ge 500000 ]; then fail "huge CSV: peak memory $(cat "$dir/time")"; fi
echo "huge CSV: refused, peak $peak kB"

# A short file: print warns as export-csv does.
head -c 30000 "$dir/good.dat" >"$dir/short.dat"
if "$cli" --help 2>&1 | grep -q "print FILE.dat"; then
    QT_QPA_PLATFORM=offscreen run 0 print "$dir/short.dat" "$dir/short.pdf"
    grep -qi "incomplete" <<<"$out" || fail "print of a short file gave no warning: $out"
fi
echo "special targets: all passed"
