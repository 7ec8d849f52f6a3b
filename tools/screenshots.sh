#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the pictures of the guide and the README's screenshot from the real program on a virtual X screen: types a
# Sun and a Moon, solves, reads the solar hour, opens the drawing window and draws every figure, clears it and draws
# the guide's worked example, then crops each picture to its window; once in English and once under the Italian
# interface, for the Italian guide (main_window_it.png and so on). Run it again whenever a window changes, then
# rebuild so the guide carries the new pictures.
#
#   tools/screenshots.sh [build dir]        (default: build; needs xvfb, xdotool, x11-utils, imagemagick)
set -euo pipefail

source_dir=$(cd "$(dirname "$0")/.." && pwd)
guide_dir=$source_dir/src/help/guide

fail() {
    echo "screenshots: $*" >&2
    exit 1
}

# shellcheck source=SCRIPTDIR/x_window.sh
source "$source_dir/tools/x_window.sh"

if [[ ${1-} != --inside-x ]]; then
    build=$(realpath -e "${1:-$source_dir/build}") || fail "no build folder; run make build first"
    program=$build/bin/astrolabe-simulator
    [[ -x $program ]] || fail "no program at $program"
    missing=$(x_missing_tool xvfb-run xdotool xwininfo import convert)
    [[ -z $missing ]] || fail "$missing is missing (packages xvfb, xdotool, x11-utils, imagemagick)"
    for language in en it; do
        xvfb-run -a -s "-screen 0 1600x1000x24" bash "$0" --inside-x "$program" "$build" "$language"
    done
    exit 0
fi
program=$2
build=$3
language=$4

# The program as a user sees it, at 96 DPI and without scaling, in English or on an Italian desktop.
unset QT_QPA_PLATFORM QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING LANGUAGE LC_ALL LC_MESSAGES
export QT_FONT_DPI=96 XDG_RUNTIME_DIR
if [[ $language == it ]]; then
    export LANG=it_IT.UTF-8 LC_CTYPE=C.UTF-8
    readonly main_title="Simulatore dell'astrolabio di Dorlasco" view_title="Form3a" suffix=_it
    readonly help_title="Guida: Simulatore dell'astrolabio di Dorlasco"
else
    export LC_ALL=C.UTF-8
    readonly main_title="Dorlasco's astrolabe simulator" view_title="Form3a" suffix=""
    readonly help_title="Guide to Dorlasco's astrolabe simulator"
fi
XDG_RUNTIME_DIR=$(mktemp -d)
work=$(mktemp -d)
"$program" >"$work/program.log" 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null; wait $pid 2>/dev/null || true; rm -rf "$work" "$XDG_RUNTIME_DIR"' EXIT

wait_for_window() {
    local id="" deadline=$((SECONDS + 20))
    while [[ -z $id ]]; do
        kill -0 $pid 2>/dev/null || { cat "$work/program.log" >&2; fail "the program ended"; }
        ((SECONDS < deadline)) || fail "no window \"$1\""
        sleep 0.2
        id=$(x_window "$1")
    done
    echo "$id"
}

click() {
    local x0 y0
    read -r x0 y0 _ < <(x_window_geometry "$1")
    xdotool mousemove $((x0 + $2)) $((y0 + $3)) click 1
    sleep 0.3
}

type_into() {
    click "$1" "$2" "$3"
    xdotool type --delay 30 "$4"
}

# Crops a screenshot of the whole screen to a window, keeps it small and writes it.
save() {
    local id=$1 out=$2 geometry=$3 x0 y0 width height
    shift 3
    read -r x0 y0 width height < <(x_window_geometry "$id")
    import -window root "$work/screen.png"
    convert "$work/screen.png" -crop "${width}x${height}+$x0+$y0" +repage \
        ${geometry:+-crop "$geometry" +repage} "$@" -strip -colors 192 "PNG8:$out"
    echo "$out: $(identify -format '%wx%h' "$out"), $(($(stat -c %s "$out") / 1024)) KiB"
}

main=$(wait_for_window "$main_title")
sleep 1
# Positions in the main window's client area, in pixels at 96 DPI (its layout in twips divided by 15).
type_into "$main" 180 520 30      # Sun field
type_into "$main" 440 520 120     # Moon field
click "$main" 712 440             # the solve button: the phase comes out
click "$main" 132 552             # Read solar hour
xdotool mousemove 0 999
sleep 0.5
[[ -n $suffix ]] || save "$main" "$source_dir/docs/screenshot.png" ""
save "$main" "$guide_dir/main_window$suffix.png" "" -resize 78%
# The fields, the formula and the buttons below them, whole in either language.
save "$main" "$guide_dir/solved$suffix.png" "860x297+48+408"

# Presses the drawing window's buttons in the order given (moon: Moon's line, sun: Sun's line, phase: Moon's Phase)
# and moves the pointer out of the way.
draw() {
    local figure
    declare -A button=([moon]="24 140" [sun]="292 136" [phase]="288 24")
    for figure; do
        # shellcheck disable=SC2086
        click "$view" ${button[$figure]}
    done
    xdotool mousemove 0 999
    sleep 0.5
}

click "$main" 732 634             # See geometrical solution in astrolabe
view=$(wait_for_window "$view_title")
sleep 0.5
draw moon sun phase
save "$view" "$guide_dir/geometric_view$suffix.png" "" -resize 200%

# The guide's worked example: Sun 90 and Moon 180 on a cleared figure, the ring first so the lines lie on top.
xdotool key ctrl+Delete
for field in "180 520 90" "440 520 180"; do
    read -r x y value <<<"$field"
    click "$main" "$x" "$y"
    xdotool key ctrl+a
    xdotool type --delay 30 "$value"
done
draw phase moon sun
save "$view" "$guide_dir/example$suffix.png" "" -resize 200%

# The Help window, for a look at the guide itself; not part of the guide.
xdotool key F1
help=$(wait_for_window "$help_title")
sleep 1
save "$help" "$build/help_window$suffix.png" ""
