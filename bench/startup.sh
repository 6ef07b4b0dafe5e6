#!/usr/bin/env bash
# Start-up time and memory of korvocalc beside other calculators, under a
# private Xvfb server: the median time from launch to the first window being
# mapped, and the resident memory (RSS and PSS) once the window is shown.
#
#   bench/startup.sh [RUNS] [KORVOCALC] [BASELINE]
#
# RUNS defaults to 11; KORVOCALC to build/app/korvocalc. xcalc, galculator and
# speedcrunch are measured in the same run when they are installed. With a
# BASELINE korvocalc (another build), the two are launched in turn, run for
# run, so that a machine's changing load weighs on both alike, and the ratio
# of their median times is printed. Needs Xvfb and xev (Debian: xvfb,
# x11-utils).
set -euo pipefail

runs="${1:-11}"
root="$(cd "$(dirname "$0")/.." && pwd)"
korvocalc="${2:-$root/build/app/korvocalc}"
baseline="${3:-}"
settle=0.5  # seconds between the map and the memory reading

for tool in Xvfb xev; do
    command -v "$tool" >/dev/null || { echo "startup.sh: $tool is needed" >&2; exit 1; }
done
[ -x "$korvocalc" ] || { echo "startup.sh: no $korvocalc (build first)" >&2; exit 1; }

work="$(mktemp -d)"
xvfb_pid=""
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# A server of our own, on the first free display it finds.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 50); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
export DISPLAY=":$(head -n1 "$work/display")"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

now_ns() { date +%s%N; }

# One launch: prints "milliseconds rss_kB pss_kB".
measure_once() {
    local events="$work/events" watcher pid start mapped
    rm -f "$events"
    mkfifo "$events"
    stdbuf -oL xev -root -event substructure >"$events" 2>/dev/null &
    watcher=$!
    exec 4<"$events"
    sleep 0.2  # let xev select its events before the launch
    start=$(now_ns)
    "$@" >/dev/null 2>&1 &
    pid=$!
    mapped=""
    while IFS= read -r -t 10 line <&4; do
        if [[ "$line" == MapNotify* ]]; then
            mapped=$(now_ns)
            break
        fi
    done
    exec 4<&-
    kill "$watcher" 2>/dev/null || true
    wait "$watcher" 2>/dev/null || true
    if [ -z "$mapped" ]; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        echo "startup.sh: $1 mapped no window" >&2
        return 1
    fi
    sleep "$settle"
    local rss pss
    rss=$(awk '/^Rss:/ {print $2}' "/proc/$pid/smaps_rollup")
    pss=$(awk '/^Pss:/ {print $2}' "/proc/$pid/smaps_rollup")
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo "$(( (mapped - start) / 1000 )) $rss $pss"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

report() {
    local name="$1"; shift
    local samples="$work/$name.samples"
    : >"$samples"
    "$@" >/dev/null 2>&1 &  # a first launch warms the disk cache, not counted
    local warm=$!
    sleep 1
    kill "$warm" 2>/dev/null || true
    wait "$warm" 2>/dev/null || true
    for _ in $(seq "$runs"); do
        measure_once "$@" >>"$samples" || return 0
    done
    local ms rss pss
    ms=$(awk '{print $1 / 1000}' "$samples" | median)
    rss=$(awk '{print $2 / 1024}' "$samples" | median)
    pss=$(awk '{print $3 / 1024}' "$samples" | median)
    printf '%-12s %5d %12.1f %9.1f %9.1f\n' "$name" "$runs" "$ms" "$rss" "$pss"
}

if [ -n "$baseline" ]; then
    : >"$work/new" && : >"$work/old"
    for _ in $(seq "$runs"); do
        measure_once "$korvocalc" >>"$work/new" && measure_once "$baseline" >>"$work/old"
    done
    new_ms=$(awk '{print $1 / 1000}' "$work/new" | median)
    old_ms=$(awk '{print $1 / 1000}' "$work/old" | median)
    echo "map ms, median of $runs alternating runs: $new_ms (korvocalc), $old_ms (baseline)," \
        "ratio $(awk -v a="$new_ms" -v b="$old_ms" 'BEGIN { printf "%.3f", a / b }')"
    exit 0
fi

printf '%-12s %5s %12s %9s %9s\n' program runs "map ms" "RSS MB" "PSS MB"
report korvocalc "$korvocalc"
for other in xcalc galculator speedcrunch; do
    if command -v "$other" >/dev/null; then
        report "$other" "$other"
    fi
done
