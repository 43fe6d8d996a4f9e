#!/usr/bin/env bash
# Long fuzzing of every parser and rule set that reads outside data: ten million executions in
# all unless told otherwise, two targets at a time (libFuzzer with AddressSanitizer and
# UndefinedBehaviorSanitizer). Prints the executions per target and fails on any crash; the
# crashing input is kept in build/fuzz/.
#   tools/fuzz.sh [TOTAL_RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
total=${1:-10000000}
out=build/fuzz
mkdir -p "$out"

# Native build of the logic and its fuzz targets (the same tree the test command builds).
cmake -S tests/native -B "$out" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$out" -j2 >/dev/null

# Shares of the total: the cheap targets take more executions than the export reader, whose
# inputs are whole files.
shares=(description:20 fco_value_rules:10 registry_export:5 tooltip_text:15 version_date:50)

run_target() {  # name runs
    local name=$1 runs=$2 corpus="$out/corpus-$1"
    rm -rf "$corpus" && cp -r "tests/fuzz/corpus/$name" "$corpus"
    "$out/fuzz_$name" -runs="$runs" -rss_limit_mb=1024 -print_final_stats=1 \
        -artifact_prefix="$out/$name-" "$corpus" >"$out/$name.log" 2>&1
}

pids=()
names=()
for share in "${shares[@]}"; do
    name=${share%%:*}
    runs=$(( total * ${share##*:} / 100 ))
    run_target "$name" "$runs" &
    pids+=($!)
    names+=("$name")
    # Two at a time: the machine has two cores.
    if [ "${#pids[@]}" -ge 2 ]; then wait "${pids[0]}" || true; pids=("${pids[@]:1}"); fi
done
for pid in "${pids[@]}"; do wait "$pid" || true; done

status=0
sum=0
printf '%-18s %12s  %s\n' target executions result
for name in "${names[@]}"; do
    done_runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$out/$name.log" | tail -n1)
    done_runs=${done_runs:-0}
    if grep -q -E '^==[0-9]+==ERROR|deadly signal|SUMMARY: (Address|UndefinedBehavior)Sanitizer' "$out/$name.log" ||
        ls "$out/$name-"crash-* "$out/$name-"leak-* "$out/$name-"timeout-* >/dev/null 2>&1; then
        result="CRASH (see $out/$name.log)"
        status=1
    else
        result="no crash"
    fi
    sum=$(( sum + done_runs ))
    printf '%-18s %12s  %s\n' "$name" "$done_runs" "$result"
done
printf '%-18s %12s\n' all "$sum"
exit $status
