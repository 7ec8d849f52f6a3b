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

source "$(dirname "$0")/own_display.sh" "$bin_dir"

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
    printf "%-28s %8.3f %8s %s\n", "memory, program/plain", pr / lr, "1.00", pr / lr <= 1.00 ? "met" : "ABOVE"
}'
echo "(load after the launches: $(cut -d' ' -f1-3 /proc/loadavg))"

echo
echo "== Procedures (QBENCHMARK, offscreen; a 60 Hz frame is 16.7 ms)"
set +e
QT_QPA_PLATFORM=offscreen QT_FONT_DPI=96 "$bin_dir/bench_procedures" -maxwarnings 0 2>&1 |
    grep -E '^(RESULT|     [0-9]|QINFO|FAIL|Totals)|msecs per iteration'
status=${PIPESTATUS[0]}
set -e

# A field filled to its limit by a paste, holding the focus for 10 s, against the same program with an empty field:
# processor time over those seconds and resident memory at their end.
echo
field_limit=$(sed -n 's/.*MaxFieldLength = \([0-9]*\);.*/\1/p' "$(dirname "$0")/../src/platform/field_values.h")
echo "== A field of $field_limit characters with the focus, 10 s (targets: under 2% of a core, memory within 20 MB)"
focused_field() { # characters -> "cpu_ticks rss_kB"
    local pid window clip= before after rss
    "$bin_dir/astrolabe-simulator" >/dev/null 2>&1 &
    pid=$!
    window=$(xdotool search --sync --onlyvisible --pid "$pid" --name "Dorlasco" | head -1)
    sleep 1
    xdotool windowfocus --sync "$window"
    if [ "$1" -gt 0 ]; then
        head -c "$1" /dev/zero | tr '\0' 7 >"$work/field"
        xclip -quiet -selection clipboard -i "$work/field" 2>/dev/null &
        clip=$!
        sleep 0.5
        xdotool key ctrl+v
    fi
    sleep 2
    before=$(awk '{ print $14 + $15 }' "/proc/$pid/stat")
    sleep 10
    after=$(awk '{ print $14 + $15 }' "/proc/$pid/stat")
    rss=$(ps -o rss= -p "$pid")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    if [ -n "$clip" ]; then kill "$clip" 2>/dev/null || true; wait "$clip" 2>/dev/null || true; fi
    echo "$((after - before)) $rss"
}
read -r empty_ticks empty_rss < <(focused_field 0)
read -r full_ticks full_rss < <(focused_field "$field_limit")
awk -v et="$empty_ticks" -v er="$empty_rss" -v ft="$full_ticks" -v fr="$full_rss" -v hz="$(getconf CLK_TCK)" 'BEGIN {
    printf "%-28s %12s %12s %12s\n", "", "empty field", "full field", "target"
    printf "%-28s %12.2f %12.2f %12s %s\n", "processor, % of a core", 100 * et / hz / 10, 100 * ft / hz / 10,
           "2", 100 * ft / hz / 10 < 2 ? "met" : "ABOVE"
    printf "%-28s %12d %12d %12s %s\n", "memory at the end, kB", er, fr, "+20480", fr - er <= 20480 ? "met" : "ABOVE"
}'
exit "$status"
