#!/usr/bin/env bash
# A file its user may not write is never replaced, though the folder would
# let a new file take its place: every writer gives the system's reason,
# exits 1 and leaves the file as it was. Root may write anything, so as root
# the commands run as nobody.
set -euo pipefail
cli=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    command -v setpriv >/dev/null || {
        echo "SKIPPED: running as root without setpriv"
        exit 77
    }
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi

# The program and its files where nobody may run them, whatever folder the
# build is in.
mkdir "$dir/bin" "$dir/home"
cp "$cli" "$dir/bin/"
for f in Default.dat Program.ini; do
    [ ! -e "$(dirname "$cli")/$f" ] || cp "$(dirname "$cli")/$f" "$dir/bin/"
done
cli="$dir/bin/$(basename "$cli")"
chmod -R a+rX "$dir"
chmod 0777 "$dir/home"

"$cli" new "$dir/good.dat"
"$cli" export-csv "$dir/good.dat" "$dir/good.csv"
chmod 0777 "$dir"
chmod 0644 "$dir/good.dat" "$dir/good.csv"
for target in locked.dat locked.csv locked.pdf; do
    printf 'keep me\n' >"$dir/$target"
done
[ "${#as_user[@]}" = 0 ] || chown 65534:65534 "$dir"/locked.*
chmod 0444 "$dir"/locked.*

commands=(
    "new $dir/locked.dat"
    "import-csv $dir/good.csv $dir/good.dat $dir/locked.dat"
    "export-csv $dir/good.dat $dir/locked.csv"
)
if "$cli" --help 2>&1 | grep -q "print FILE.dat"; then
    commands+=("print $dir/good.dat $dir/locked.pdf")
fi
for command in "${commands[@]}"; do
    rc=0
    # shellcheck disable=SC2086 # the words of the command
    out=$(HOME="$dir/home" QT_QPA_PLATFORM=offscreen "${as_user[@]}" "$cli" $command 2>&1) || rc=$?
    [ "$rc" = 1 ] || fail "$command exited $rc: $out"
    grep -q "Permission denied" <<<"$out" || fail "$command gave no reason: $out"
    for target in locked.dat locked.csv locked.pdf; do
        [ "$(cat "$dir/$target")" = "keep me" ] || fail "$command replaced $target"
        [ "$(stat -c %a "$dir/$target")" = 444 ] || fail "$command changed the mode of $target"
    done
    [ "$(find "$dir" -name '*partial*' | wc -l)" = 0 ] || fail "$command left a temporary file"
    echo "$command: $(tail -1 <<<"$out")"
done
echo "read-only targets: all passed"
