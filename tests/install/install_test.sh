#!/bin/bash
# SPDX-License-Identifier: MIT
# Installs the build into a scratch DESTDIR, checks the layout and what a desktop reads from it, then starts the
# installed program through the command on the PATH on a virtual screen: the main window must show the plate.
# The program finds the picture only in its own folder, so the plate proves that the link was followed.
#
# install_test.sh <build dir> [bin dir] [data dir]   (dirs as GNUInstallDirs gives them, relative to the prefix)
set -euo pipefail

readonly prefix=/usr
readonly app_id=io.github.dorlasco.AstrolabeSimulator
readonly command_name=astrolabe-simulator
readonly caption="Dorlasco's astrolabe simulator"
# The plate picture's box in the main window's client area is x 184..393, y 112..321; one patch in each quadrant
# of the disc, clear of the compass cross through its centre (288, 216).
readonly plate_patches=("228 156" "328 156" "228 256" "328 256")
readonly patch_size=20
# shellcheck source=SCRIPTDIR/../../tools/x_window.sh
source "$(dirname "$0")/../../tools/x_window.sh"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Mean colour of a patch of a screenshot as "red blue", 0..255.
patch_colour() {
    convert "$1" -crop "${patch_size}x${patch_size}+$2+$3" +repage \
        -format '%[fx:int(255*mean.r+0.5)] %[fx:int(255*mean.b+0.5)]\n' info:
}

# Runs on the virtual screen: start the command found on the PATH and wait for its main window with the plate.
show_installed_program() {
    local work=$1 keep_screen=$2
    export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"

    "$command_name" >"$work/program.log" 2>&1 &
    program_pid=$!
    trap 'kill $program_pid 2>/dev/null; wait $program_pid 2>/dev/null || true' EXIT

    # The error box about a missing picture has the same title but is far smaller than the main window.
    local id="" deadline=$((SECONDS + 60))
    while [[ -z $id ]]; do
        kill -0 $program_pid 2>/dev/null || { cat "$work/program.log" >&2; fail "the installed program ended by itself"; }
        ((SECONDS < deadline)) ||
            fail "no main window after 60 s; windows: $(xwininfo -root -tree | grep -F "\"$caption\"" || true)"
        sleep 0.2
        id=$(x_window "$caption" 900 650)
    done

    local x y
    read -r x y _ < <(x_window_geometry "$id")

    # Mapped is not yet painted: look again until the plate shows or time runs out.
    local screen=$work/screen.png colours patch px py red blue shown
    deadline=$((SECONDS + 30))
    while :; do
        import -window root "$screen"
        shown=1 colours=""
        for patch in "${plate_patches[@]}"; do
            read -r px py <<<"$patch"
            read -r red blue < <(patch_colour "$screen" $((x + px)) $((y + py)))
            colours+=" ($px,$py): red $red blue $blue;"
            # Brass: bright enough and clearly warmer than the grey window behind the picture box.
            ((red >= 110 && red - blue >= 50)) || shown=0
        done
        ((shown)) && break
        if ((SECONDS >= deadline)); then
            cp "$screen" "$keep_screen"
            fail "the window at ($x,$y) shows no plate in its picture box:$colours screenshot kept in $keep_screen"
        fi
        sleep 0.5
    done
    echo "plate shown at ($x,$y):$colours"
}

if [[ ${1-} == --on-screen ]]; then
    show_installed_program "$2" "$3"
    exit
fi

build=$(realpath -e "${1:?usage: install_test.sh <build dir> [bin dir] [data dir]}")
bin_dir=${2:-bin}
data_dir=${3:-share}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root

DESTDIR=$root cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
    { cat "$work/install.log" >&2; fail "cmake --install"; }

installed() {
    case $1 in
    /*) echo "$root$1" ;;
    *) echo "$root$prefix/$1" ;;
    esac
}
bin=$(installed "$bin_dir")
share=$(installed "$data_dir")

# The command on the PATH: a relative link, so the tree can be moved, to the program in a folder of its own.
link=$bin/$command_name
[[ -L $link ]] || fail "$link is not a link"
target=$(readlink "$link")
[[ $target != /* ]] || fail "the link points to the absolute path $target"
program=$(realpath -e "$link") || fail "the link $link -> $target leads nowhere"
[[ $program == "$root"/* ]] || fail "the link leaves the installed tree: $program"
[[ -f $program && -x $program ]] || fail "$program is not an executable file"
program_dir=$(dirname "$program")
[[ $program_dir != "$bin" ]] || fail "the program lies in $bin itself, not in a folder of its own"
contents=$(find "$program_dir" -mindepth 1 -printf '%f\n' | sort | tr '\n' ' ')
[[ $contents == "astrolabe-figure-output.so $command_name placna01.jpg " ]] ||
    fail "$program_dir should hold the program, its printing module and its picture only, it holds: $contents"
[[ $(head -c 3 "$program_dir/placna01.jpg" | od -An -tx1 | tr -d ' \n') == ffd8ff ]] ||
    fail "placna01.jpg is not a JPEG file"

desktop=$share/applications/$app_id.desktop
icon=$share/icons/hicolor/scalable/apps/$app_id.svg
metainfo=$share/metainfo/$app_id.metainfo.xml
for file in "$desktop" "$icon" "$metainfo"; do
    [[ -f $file ]] || fail "${file#"$root"} is not installed"
done
grep -q '<svg' "$icon" || fail "the icon is not an SVG picture"

# Hints count too: the entry is checked clean, not merely accepted.
report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $report"
[[ -z $report ]] || fail "desktop-file-validate: $report"
appstreamcli validate --no-net --strict "$metainfo" || fail "appstreamcli validate rejects the metainfo"
# The tree as a whole: the metainfo's launchable must be a desktop entry installed beside it.
appstreamcli validate-tree --no-net --strict "$root$prefix" || fail "appstreamcli validate-tree rejects the tree"

[[ $(grep -m1 '^Exec=' "$desktop") == "Exec=$command_name" ]] || fail "the desktop entry does not run $command_name"
[[ $(grep -m1 '^Icon=' "$desktop") == "Icon=$app_id" ]] || fail "the desktop entry does not name the icon $app_id"
grep -qF "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $app_id.desktop"

export PATH=$bin:$PATH
[[ $(command -v "$command_name") == "$link" ]] || fail "$command_name on the PATH is not the installed link"
xvfb-run -a -s "-screen 0 1280x800x24" bash "$0" --on-screen "$work" "$build/install_test_screen.png"
echo "installed under $prefix: ${link#"$root"} -> $target, desktop entry, icon and metainfo valid"
