#!/usr/bin/env bash
# tests/fuzz/run.sh BUILD_DIR [SECONDS]: each fuzz target of a -DKORVO_FUZZ=ON
# build for SECONDS (60), from the committed seeds. A finding (broken promise,
# sanitizer report, crash, 10 s hang, 2 GB) fails and prints its replay line.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
for target in keystream text; do
    program="$1/tests/fuzz/korvo_fuzz_$target" && mkdir "$work/$target"
    # A fixed seed makes a run repeatable; KORVO_FUZZ_SEED=0 draws one.
    if "$program" "$([ $target = keystream ] && echo "-dict=$here/keystream.dict" || echo -runs=-1)" \
        -seed="${KORVO_FUZZ_SEED:-1}" -max_total_time="${2:-60}" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$work/$target-" "$work/$target" "$here/corpus/$target" >"$work/log" 2>&1; then
        echo "fuzz $target: $(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log") runs, no finding"
        continue
    fi
    failed=1 && echo "fuzz $target: FINDING"
    grep -A2 '^korvo fuzz:' "$work/log" || grep -A30 -E 'ERROR|runtime error' "$work/log" || tail -40 "$work/log"
    for input in "$work/$target"-*; do
        KORVO_FUZZ_REPLAY=1 "$program" "$input" 2>&1 | grep -m1 -A1 -E '^(replay:|text )' || true
    done
done
exit $failed
