#!/bin/bash
# SPDX-License-Identifier: MIT
# Runs a command on a virtual X screen of the given size under the window manager Openbox, which frames each window
# with a title bar as a desktop does:
#   with_window_manager.sh WIDTHxHEIGHT COMMAND...
set -u
size=$1
shift
for tool in Xvfb openbox xprop; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed"; exit 1; }
done
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 "${size}x24" 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || { echo "FAIL: the X server did not start"; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"

# Openbox's own configuration, nothing from the user's.
HOME="$work" XDG_CONFIG_HOME="$work" openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
# Ready once it names itself on the root window.
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' || { echo "FAIL: openbox did not start"; exit 1; }

"$@"
