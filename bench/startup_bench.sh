#!/usr/bin/env bash
# Time from process start to the first painted main window, and peak memory,
# for programmer-en under Xvfb: the median of several runs.
# Usage: bench/startup_bench.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-7}
exe="$build/bin/programmer-en"
[ -x "$exe" ] || { echo "build $exe first" >&2; exit 1; }

display=:97
Xvfb $display -screen 0 1280x800x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 1

times=()
rss=()
for _ in $(seq "$runs"); do
    start=$(date +%s%3N)
    out=$(DISPLAY=$display PROGRAMMER_STARTUP_PROBE=1 /usr/bin/time -f 'maxrss_kb=%M' "$exe" 2>&1)
    painted=$(echo "$out" | sed -n 's/^first_paint_epoch_ms=//p')
    times+=($((painted - start)))
    rss+=($(echo "$out" | sed -n 's/^maxrss_kb=//p'))
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
echo "start-up to first paint: median $(median "${times[@]}") ms over $runs runs (${times[*]})"
echo "peak memory (max RSS): median $(median "${rss[@]}") KiB (${rss[*]})"
