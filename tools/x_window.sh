# SPDX-License-Identifier: MIT
# shellcheck shell=bash
# Finding the program's windows on an X display, for the scripts that drive it there, and the tools they need
# (sourced; needs x11-utils).

# x_window <title> [least width] [least height]
# Prints the id of the largest window of that title on $DISPLAY that is at least that large (default 2x2), or nothing.
# Qt also makes a 1x1 leader window of the same name, and a message box carries the program's name as its title.
x_window() {
    { xwininfo -root -tree 2>/dev/null || true; } | awk -v name="\"$1\":" -v least_width="${2:-2}" \
        -v least_height="${3:-2}" '
        index($0, name) {
            for (i = 1; i <= NF; ++i)
                if ($i ~ /^[0-9]+x[0-9]+[+-]/) {
                    split($i, size, /[x+-]/)
                    if (size[1] >= least_width && size[2] >= least_height && size[1] * size[2] > best) {
                        best = size[1] * size[2]
                        id = $1
                    }
                }
        }
        END { if (best) print id }'
}

# x_window_geometry <id>
# Prints "x y width height" of the window: its upper-left corner on the screen and its size. Without a window
# manager a window has no frame, so that corner is where its client area starts.
x_window_geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X:/ { x = $NF } /Absolute upper-left Y:/ { y = $NF }
        /Width:/ { w = $NF } /Height:/ { h = $NF } END { print x, y, w, h }'
}

# x_missing_tool <tool>...
# Prints the first of the tools that is not on the PATH, or nothing.
x_missing_tool() {
    local tool
    for tool; do
        command -v "$tool" >/dev/null || {
            echo "$tool"
            return
        }
    done
}
