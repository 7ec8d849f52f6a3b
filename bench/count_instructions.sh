#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Instructions counted by valgrind's callgrind, which hardly move with the machine's load, unlike times:
#   - from launch to the end of the first paint, for the program and for the plain-widgets main window, and their
#     ratio;
#   - one repaint when the text cursor of the focused Sun field blinks, in both.
# Both programs run unchanged on one Xvfb (the xcb platform a user gets) without a window manager; callgrind alone
# decides where a count starts and ends, from the names of Qt's own functions, so the same thing is measured in
# both and nothing in either program is needed for it.
#
#   bench/count_instructions.sh [BIN_DIR]   (BIN_DIR holds astrolabe-simulator and plain_window; default
#                                            build-bench/bin)
#   BENCH_CALLGRIND_RUNS=3                  runs of each program for each count
#   BENCH_LANG=it_IT.UTF-8                  both programs under that LANG instead of the C locale
set -euo pipefail

bin_dir=$(cd "${1:-build-bench/bin}" && pwd)
runs=${BENCH_CALLGRIND_RUNS:-3}

source "$(dirname "$0")/own_display.sh" "$bin_dir"
work=$(mktemp -d)
# No session bus, found at once: otherwise Qt's first look for one may fork a bus launcher, at a moment that
# changes from run to run.
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus"
pid=
cleanup() {
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

# The paint of a widget window ends when Qt's repaint manager has flushed the painted region to the window; a
# cursor blink is the line control's blink timer event, which marks the cursor's rectangle dirty, and the repaint
# manager's next sync, which paints that region of every widget under it and flushes it.
readonly FLUSH='QWidgetRepaintManager::flush()'
readonly SYNC='QWidgetRepaintManager::sync()'
readonly BLINK='QWidgetLineControl::timerEvent(QTimerEvent*)'
# The plain window decodes the whole plate picture and scales it; the program has the decoder halve it.
readonly DECODE='QImageReader::read(QImage*)'

# Runs a program under callgrind until the dump with the given number exists, or the seconds run out; with focus,
# gives its window the keyboard focus once it is shown, as a click would (there is no window manager to do it).
# callgrind_run tag dump_number seconds focus|nofocus program [callgrind option...] -> the dumps' prefix on stdout
callgrind_run() {
    local tag=$1 dump=$2 seconds=$3 focus=$4 program=$5
    shift 5
    local out="$work/$tag"
    valgrind --tool=callgrind --callgrind-out-file="$out.%p" "$@" "$program" >/dev/null 2>"$out.log" &
    pid=$!
    if [ "$focus" = focus ]; then
        local window
        window=$(timeout "$seconds" xdotool search --sync --onlyvisible --pid "$pid" --name . | head -1) || true
        [ -n "$window" ] && xdotool windowfocus --sync "$window"
    fi
    local waited
    for ((waited = 0; waited < seconds * 10; ++waited)); do
        [ -e "$out.$pid.$dump" ] && break
        sleep 0.1
    done
    sleep 0.5 # the dump is written whole before the next one begins
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo "$out.$pid"
    pid=
}

# The instructions of one dump (all threads).
total() { sed -n 's/^summary: *//p' "$1"; }

# The instructions inside a function, its callees included, in one dump.
inclusive() { # dump function
    callgrind_annotate --inclusive=yes --threshold=100 "$1" 2>/dev/null |
        awk -v f=":$2 [" '!done && index($0, f) { gsub(",", "", $1); print $1; done = 1 }'
}

# How many times a function was called in one dump.
calls() { # dump function
    awk -v want="$2" '
        /^c?fn=\(/ {
            id = $0; sub(/^c?fn=/, "", id); name = id; sub(/\).*/, ")", id); sub(/^\([0-9]+\) ?/, "", name)
            if (name != "") names[id] = name
            if ($0 ~ /^cfn=/) callee = id
            next
        }
        /^calls=/ { n = $0; sub(/^calls=/, "", n); sub(/ .*/, "", n); count[callee] += n }
        END { total = 0; for (id in count) if (names[id] == want) total += count[id]; print total }' "$1"
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : int((v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

language=${BENCH_LANG:+LANG=$BENCH_LANG}
echo "== Instructions (callgrind, xcb on Xvfb, $runs runs of each, ${language:-C locale})"

# Launch to the end of the first paint: everything from the first instruction to the return of the first flush.
# Nothing is flushed before the window has been exposed and painted whole.
for name in astrolabe-simulator plain_window; do
    : >"$work/$name.first"
    : >"$work/$name.decode"
    for ((i = 0; i < runs; ++i)); do
        prefix=$(callgrind_run "first-$name" 1 120 nofocus "$bin_dir/$name" --dump-after="$FLUSH")
        if [ ! -e "$prefix.1" ]; then
            echo "$name: no first paint under callgrind" >&2
            exit 1
        fi
        total "$prefix.1" >>"$work/$name.first"
        inclusive "$prefix.1" "$DECODE" >>"$work/$name.decode"
    done
done
program_first=$(median <"$work/astrolabe-simulator.first")
plain_first=$(median <"$work/plain_window.first")

# The blinks: a dump is written at the end of every sync of the repaint manager, so once the window has settled,
# each dump holds everything the process did from one repaint to the next: waking up, the blink timer event, and the
# repaint it caused. Only dumps that hold a blink timer event count, and the first two of those are left out.
blink_dumps() { # name -> dumps of blinks, one per line
    local prefix
    prefix=$(callgrind_run "blink-$1" 12 120 focus "$bin_dir/$1" --dump-after="$SYNC")
    local n found=0
    for ((n = 1; n <= 12; ++n)); do
        local dump="$prefix.$n"
        [ -e "$dump" ] || break
        grep -qF "$BLINK" "$dump" || continue
        found=$((found + 1))
        [ "$found" -gt 2 ] && echo "$dump"
    done
}
for name in astrolabe-simulator plain_window; do
    : >"$work/$name.blink"
    : >"$work/$name.field"
    : >"$work/$name.sync"
    : >"$work/$name.calls"
    for ((i = 0; i < runs; ++i)); do
        for dump in $(blink_dumps "$name"); do
            total "$dump" >>"$work/$name.blink"
            inclusive "$dump" "$SYNC" >>"$work/$name.sync"
            # What one blink did: timer events, repaints, widgets painted, and which of them were line edits.
            echo "$(calls "$dump" "$BLINK") $(calls "$dump" "$SYNC")" \
                "$(calls "$dump" 'QWidgetPrivate::sendPaintEvent(QRegion const&)')" \
                "$(calls "$dump" 'QLineEdit::paintEvent(QPaintEvent*)')" >>"$work/$name.calls"
            inclusive "$dump" 'QLineEdit::paintEvent(QPaintEvent*)' >>"$work/$name.field"
        done
    done
    if [ ! -s "$work/$name.blink" ]; then
        echo "$name: the cursor did not blink under callgrind" >&2
        exit 1
    fi
done

range() { sort -g "$1" | awk 'NR == 1 { lo = $1 } { hi = $1 } END { printf "%d to %d (%d)", lo, hi, NR }'; }
echo "first paint, launch to end:"
echo "  program  median $program_first   all $(range "$work/astrolabe-simulator.first")"
echo "  plain    median $plain_first   all $(range "$work/plain_window.first")"
program_decode=$(median <"$work/astrolabe-simulator.decode")
plain_decode=$(median <"$work/plain_window.decode")
echo "  of which decoding the plate: program $program_decode, plain $plain_decode"
awk -v p="$program_first" -v l="$plain_first" -v pd="$program_decode" -v ld="$plain_decode" 'BEGIN {
    printf "  program/plain %.3f (target at most 0.95) %s\n", p / l, p / l <= 0.95 ? "met" : "ABOVE"
    printf "  program/plain without decoding the plate %.3f\n", (p - pd) / (l - ld) }'
for name in astrolabe-simulator plain_window; do
    blink=$(median <"$work/$name.blink")
    echo "one cursor blink of the Sun field, $name (median of $(wc -l <"$work/$name.blink") blinks):"
    echo "  everything from one repaint to the next  $blink   all $(range "$work/$name.blink")"
    echo "  the repaint (sync: paint and flush)      $(median <"$work/$name.sync")"
    echo "  the field's own paint event              $(median <"$work/$name.field")"
    sort "$work/$name.calls" | uniq -c | while read -r count blinks syncs painted fields; do
        echo "  $count of them: $blinks timer event, $syncs repaint, $painted widgets painted of which $fields line edit"
    done
done
blink=$(median <"$work/astrolabe-simulator.blink")
plain_blink=$(median <"$work/plain_window.blink")
awk -v b="$blink" -v l="$plain_blink" 'BEGIN {
    printf "program/plain blink %.3f (target at most 1.00) %s\n", b / l, b <= l ? "met" : "ABOVE" }'
