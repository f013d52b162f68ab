#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, ASan + UBSan) and runs each for the
# given number of seconds (default 300), printing executions and findings;
# exits 1 when any target found something (.ci/run runs each for 20 seconds).
# Usage: bench/run_fuzzers.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-300}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(fuzz_param_file fuzz_ini_file)
    [ -f fuzz/fuzz_transfer.cpp ] && targets+=(fuzz_transfer)
    [ -f fuzz/fuzz_transfer_log.cpp ] && targets+=(fuzz_transfer_log)
    [ -f fuzz/fuzz_chirp_csv.cpp ] && targets+=(fuzz_chirp_csv)
fi

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target "${targets[@]}"

mkdir -p fuzz-corpus
found=0
for t in "${targets[@]}"; do
    corpus=fuzz-corpus/$t
    mkdir -p "$corpus"
    seeds=fuzz/seeds/$t
    echo "== $t for ${seconds}s"
    set +e
    dict=()
    [ -f "fuzz/$t.dict" ] && dict=(-dict="fuzz/$t.dict")
    ASAN_OPTIONS=detect_leaks=0 "build-fuzz/bin/$t" -max_total_time="$seconds" -print_final_stats=1 "${dict[@]}" \
        -artifact_prefix="fuzz-corpus/$t-" "$corpus" $( [ -d "$seeds" ] && echo "$seeds" ) \
        2>"fuzz-corpus/$t.log"
    rc=$?
    set -e
    grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb|^Done|ERROR|SUMMARY' "fuzz-corpus/$t.log" || true
    if [ $rc -ne 0 ]; then
        echo "$t: FINDING (exit $rc), see fuzz-corpus/$t.log" >&2
        found=1
    else
        echo "$t: no findings"
    fi
done
exit "$found"
