#!/usr/bin/env bash
# Start-up time of the configurator against a bare Qt window program, both offscreen: each program
# starts, shows its windows (the configurator creates all of them) and quits as soon as its event loop
# runs. Prints both medians and their ratio; the goal is a ratio of at most 1.5.
#
# usage: bench/startup_bench.sh [bin folder (default build/bin)] [runs (default 21)]
set -euo pipefail
bin=$(realpath "${1:-build/bin}")
runs=${2:-21}
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"

# The configurator keeps its folders and settings beside itself: run a copy in a scratch folder.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$bin/corvane" "$bin/bare_qt_window" "$work/"
[ -d "$bin/LANGUAGE" ] && cp -r "$bin/LANGUAGE" "$work/"

# Wall time of one start, in microseconds; bash's own clock, so no helper process is timed with it.
start_us() {
    local start=${EPOCHREALTIME/[.,]/}
    "$@" >/dev/null 2>&1
    local end=${EPOCHREALTIME/[.,]/}
    echo $((end - start))
}

# Median of the times given, in milliseconds.
median_ms() {
    printf '%s\n' "$@" | sort -n | awk '{ a[NR] = $1 } END { printf "%.1f", a[int((NR + 1) / 2)] / 1000 }'
}

"$work/corvane" --quit-after-start >/dev/null 2>&1 # first start creates the folders; not measured
# The two programs take turns, so a change in the machine's load falls on both alike.
bare_times=()
corvane_times=()
for ((i = 0; i < runs; i++)); do
    bare_times+=($(start_us "$work/bare_qt_window"))
    corvane_times+=($(start_us "$work/corvane" --quit-after-start))
done
bare=$(median_ms "${bare_times[@]}")
corvane=$(median_ms "${corvane_times[@]}")
echo "bare Qt window : ${bare} ms (median of $runs)"
echo "corvane        : ${corvane} ms (median of $runs)"
awk -v c="$corvane" -v b="$bare" 'BEGIN { r = c / b; printf "ratio          : %.2f (goal <= 1.50) %s\n", r, (r <= 1.5 ? "ok" : "OVER") }'
