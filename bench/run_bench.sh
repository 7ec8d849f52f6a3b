#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The performance yardstick. Start-up: the program against a bare Qt window of the same size and against its main
# window written by hand with plain widgets, launched in turn on one X server, time to first paint and resident
# memory once idle, medians and ratios. Then the cost of each procedure and of a view whose figures pile up.
#
#   bench/run_bench.sh [BIN_DIR]       (BIN_DIR holds astrolabe-simulator, bare_window, plain_window, first_paint,
#                                       bench_procedures; default build-bench/bin)
#   BENCH_LAUNCHES=15                  launches of each program
set -euo pipefail

bin_dir=$(cd "${1:-build-bench/bin}" && pwd)
launches=${BENCH_LAUNCHES:-15}

# One X server of our own, without a window manager, for the whole start-up comparison.
if [ -z "${ASTROLABE_BENCH_DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x800x24" env ASTROLABE_BENCH_DISPLAY=1 "$0" "$bin_dir"
fi
unset QT_QPA_PLATFORM QT_SCALE_FACTOR
export LC_ALL=C XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

launch() { # name program
    local line attempt
    for attempt in 1 2 3; do
        line=$("$bin_dir/first_paint" --idle-ms 1000 "$2" 2>/dev/null) && break
        line=
    done
    if [ -z "$line" ]; then
        echo "first_paint failed three times for $2" >&2
        exit 1
    fi
    # first_paint_ms=<ms> map_ms=<ms> rss_kb=<kB>
    set -- "$1" $line
    echo "${2#*=}" >>"$work/$1.start"
    echo "${4#*=}" >>"$work/$1.rss"
}

median() {
    sort -g "$1" | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

echo "== Start-up: $launches launches each, in turn (machine: $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg))"
programs=(program:astrolabe-simulator bare:bare_window plain:plain_window)
# Once each first, so all start from a warm file cache.
for entry in "${programs[@]}"; do
    "$bin_dir/first_paint" "$bin_dir/${entry#*:}" >/dev/null 2>&1 || true
done
for ((i = 0; i < launches; ++i)); do
    # Each launch round starts with another of the three, so none always follows the same one.
    for ((j = 0; j < ${#programs[@]}; ++j)); do
        entry=${programs[(i + j) % ${#programs[@]}]}
        launch "${entry%%:*}" "$bin_dir/${entry#*:}"
    done
done

for name in program bare plain; do
    printf -v "${name}_start" %s "$(median "$work/$name.start")"
    printf -v "${name}_rss" %s "$(median "$work/$name.rss")"
done
awk -v ps="$program_start" -v bs="$bare_start" -v ls="$plain_start" \
    -v pr="$program_rss" -v br="$bare_rss" -v lr="$plain_rss" 'BEGIN {
    printf "%-28s %10s %10s %10s\n", "median", "program", "bare", "plain"
    printf "%-28s %10.1f %10.1f %10.1f\n", "first paint, ms", ps, bs, ls
    printf "%-28s %10d %10d %10d\n", "memory once idle, kB", pr, br, lr
    print ""
    printf "%-28s %8s %8s\n", "ratio", "ratio", "target"
    printf "%-28s %8.2f %8s %s\n", "first paint, program/bare", ps / bs, "1.20", ps / bs <= 1.20 ? "met" : "ABOVE"
    printf "%-28s %8.2f %8s %s\n", "memory, program/bare", pr / br, "1.15", pr / br <= 1.15 ? "met" : "ABOVE"
    printf "%-28s %8.3f %8s %s\n", "first paint, program/plain", ps / ls, "1.05", ps / ls <= 1.05 ? "met" : "ABOVE"
    printf "%-28s %8.3f %8s %s\n", "memory, program/plain", pr / lr, "1.02", pr / lr <= 1.02 ? "met" : "ABOVE"
}'
echo "(load after the launches: $(cut -d' ' -f1-3 /proc/loadavg))"

echo
echo "== Procedures (QBENCHMARK, offscreen; a 60 Hz frame is 16.7 ms)"
set +e
QT_QPA_PLATFORM=offscreen QT_FONT_DPI=96 "$bin_dir/bench_procedures" -maxwarnings 0 2>&1 |
    grep -E '^(RESULT|     [0-9]|QINFO|FAIL|Totals)|msecs per iteration'
status=${PIPESTATUS[0]}
set -e
exit "$status"
