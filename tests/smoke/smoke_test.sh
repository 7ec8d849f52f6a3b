#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Starts the built program on a virtual X server, waits for its main window, saves a screenshot and checks that the
# blue compass cross and the plate picture are where the main window's layout puts them, then closes the program.
#
#   smoke_test.sh <program> <screenshot.png>
set -u

title="Dorlasco's astrolabe simulator"
wait_seconds=15

fail() {
    echo "smoke test FAILED: $*" >&2
    exit 1
}

# shellcheck source=SCRIPTDIR/../../tools/x_window.sh
source "$(dirname "$0")/../../tools/x_window.sh"

if [ "${1:-}" != --inside-x ]; then
    [ $# -eq 2 ] || fail "usage: $0 <program> <screenshot.png>"
    [ -x "$1" ] || fail "no program at $1"
    missing=$(x_missing_tool xvfb-run xauth xwininfo import convert)
    [ -z "$missing" ] || fail "$missing is not installed (packages xvfb, xauth, x11-utils, imagemagick)"
    exec xvfb-run -a -s "-screen 0 1280x800x24" bash "$0" --inside-x "$1" "$2"
fi

program=$2
shot=$3

# The program as a user starts it on X, whatever the test environment says about platforms and scaling.
unset QT_QPA_PLATFORM QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_FONT_DPI QT_ENABLE_HIGHDPI_SCALING
runtime_dir=$(mktemp -d)
export XDG_RUNTIME_DIR=$runtime_dir

"$program" &
pid=$!
# shellcheck disable=SC2317 # runs from the trap
cleanup() {
    kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    rm -rf "$runtime_dir"
}
trap cleanup EXIT

# Client-area coordinates of the points to check; without a window manager the window has no frame.
# Line3 runs across at y 216 from x 64 to 528, Line4 down at x 288 from y 16 to 432; the plate fills 184..393.
cross_points=("100,216" "150,216" "450,216" "520,216" "288,40" "288,100" "288,350" "288,420")
plate_box="209x209+184+112"
background_point=700,150
outside_plate_points=("175,150" "402,300" "300,330")

# Prints "r g b" for each point of the image, in order.
colours() {
    local image=$1 format="" point
    shift
    for point in "$@"; do
        format+="%[fx:int(255*p{$point}.r+0.5)] %[fx:int(255*p{$point}.g+0.5)] %[fx:int(255*p{$point}.b+0.5)]\n"
    done
    convert "$image" -format "$format" info:
}

# Screen coordinates of client-area points: x0 y0 point...
on_screen() {
    local x0=$1 y0=$2 point
    shift 2
    for point in "$@"; do
        echo "$((x0 + ${point%,*})),$((y0 + ${point#*,}))"
    done
}

# How far apart two colours are: the sum of the channel differences.
distance() {
    local d=0 i a b
    read -ra a <<<"$1"
    read -ra b <<<"$2"
    for i in 0 1 2; do
        d=$((d + (a[i] > b[i] ? a[i] - b[i] : b[i] - a[i])))
    done
    echo "$d"
}

# Checks the screenshot of the window at x0,y0; prints what is wrong and returns 1, or returns 0.
check_shot() {
    local image=$1 x0=$2 y0=$3 colour background r g b i problems=()
    local -a points colour_list

    mapfile -t points < <(on_screen "$x0" "$y0" "${cross_points[@]}")
    mapfile -t colour_list < <(colours "$image" "${points[@]}")
    for i in "${!points[@]}"; do
        read -r r g b <<<"${colour_list[$i]}"
        [ "$r" -le 40 ] && [ "$g" -le 40 ] && [ "$b" -ge 215 ] ||
            problems+=("compass cross not blue at ${points[$i]}: $r,$g,$b")
    done

    mapfile -t points < <(on_screen "$x0" "$y0" "$background_point")
    background=$(colours "$image" "${points[0]}")
    read -r r g b <<<"$background"
    [ "$b" -ge 215 ] && [ "$r" -le 40 ] && problems+=("the background is blue at ${points[0]}")

    mapfile -t points < <(on_screen "$x0" "$y0" "${outside_plate_points[@]}")
    mapfile -t colour_list < <(colours "$image" "${points[@]}")
    for i in "${!points[@]}"; do
        [ "$(distance "${colour_list[$i]}" "$background")" -le 12 ] ||
            problems+=("something painted at ${points[$i]}, just outside the plate: ${colour_list[$i]}")
    done

    local size=${plate_box%%+*} offset=${plate_box#*+}
    local px=${offset%+*} py=${offset#*+}
    colour=$(convert "$image" -crop "${size}+$((x0 + px))+$((y0 + py))" +repage -scale '1x1!' \
        -format '%[fx:int(255*r+0.5)] %[fx:int(255*g+0.5)] %[fx:int(255*b+0.5)]\n' info:)
    [ "$(distance "$colour" "$background")" -ge 60 ] ||
        problems+=("no plate in Image1's box: its mean colour $colour is close to the background $background")

    if [ ${#problems[@]} -gt 0 ]; then
        printf '  %s\n' "${problems[@]}"
        return 1
    fi
    return 0
}

deadline=$((SECONDS + wait_seconds))
window=""
while [ -z "$window" ]; do
    kill -0 "$pid" 2>/dev/null || fail "the program ended before its window appeared"
    [ $SECONDS -lt $deadline ] || {
        xwininfo -root -tree | grep -F "\"$title\"" >&2
        fail "no window \"$title\" within $wait_seconds s (an error message box may be in its way)"
    }
    sleep 0.2
    # The main window: the window of that title as large as a main window, not a message box of the same title.
    window=$(x_window "$title" 500 400)
done

read -r x0 y0 width height < <(x_window_geometry "$window")
echo "window $window at $x0,$y0, ${width}x$height"
if [ "$width" != 977 ] || [ "$height" != 705 ]; then
    fail "the window is ${width}x$height, not 977x705"
fi

# The window may be mapped before it is painted: look again until the picture is right or time runs out.
while :; do
    import -window root "$shot" 2>/dev/null || fail "cannot take a screenshot"
    report=$(check_shot "$shot" "$x0" "$y0") && break
    if [ $SECONDS -ge $deadline ]; then
        echo "$report" >&2
        fail "the screenshot $shot does not show the compass cross and the plate where they belong"
    fi
    sleep 0.5
done

kill -0 "$pid" 2>/dev/null || fail "the program ended while it was being looked at"
echo "smoke test passed: window \"$title\" shows the blue compass cross and the plate; screenshot $shot"
exit 0
