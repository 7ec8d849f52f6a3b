#!/bin/bash
# SPDX-License-Identifier: MIT
# Builds the Debian package as `make package` does (tools/build_package.sh: dpkg-buildpackage, lintian,
# hardening-check) but without its own run of the tests, which the suite around this test runs; checks that it holds
# exactly what `cmake --install` puts under /usr, then unpacks it and starts the program from there on a virtual
# screen: the main window must show the plate. Last, the tree copied to another folder must build the same bytes.
# Skipped (status 77) where the packaging tools are missing.
#
#   package_test.sh <build dir> <screenshot kept on failure>
set -euo pipefail

readonly package=astrolabe-simulator
here=$(dirname "$(realpath -e "$0")")
source_dir=$(realpath -e "$here/../..")

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

for tool in dpkg-buildpackage dh lintian hardening-check; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (make test installs dpkg-dev, debhelper, lintian and devscripts)"
        exit 77
    fi
done

build=$(realpath -e "${1:?usage: package_test.sh <build dir> <screenshot>}")
keep_screen=${2:?usage: package_test.sh <build dir> <screenshot>}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$source_dir/tools/build_package.sh" "$work/out" --no-test >"$work/package.log" 2>&1 ||
    { cat "$work/package.log" >&2; fail "the package could not be built"; }
architecture=$(dpkg --print-architecture)
deb=$(ls "$work/out/${package}"_*.deb)
version=$(dpkg-deb -f "$deb" Version)
[[ $(ls "$work/out") == "${package}-dbgsym_${version}_${architecture}.deb"$'\n'"${package}_${version}_${architecture}.deb" ]] ||
    fail "the packages are $(ls "$work/out" | tr '\n' ' ')"

# The libraries come from dpkg-shlibdeps, the printing and SVG ones among them, each named once.
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6printsupport6 libqt6svg6 libqt6widgets6 fonts-liberation2; do
    count=$(tr ',' '\n' <<<"$depends" | grep -c "^ *$library\b" || true)
    ((count == 1)) || fail "the package names $library $count times: $depends"
done

# The program can be run; the plate picture beside it cannot.
modes=$(dpkg-deb -c "$deb" | awk '$6 ~ /libexec\/'$package'\/./ { print $1, $6 }')
[[ $modes == *"-rwxr-xr-x ./usr/libexec/$package/$package"* && $modes == *"-rw-r--r-- ./usr/libexec/$package/placna01.jpg"* ]] ||
    fail "the program's folder holds: $modes"

# The same paths, of the same kinds (file, folder, link), as an install into an empty folder.
DESTDIR=$work/installed cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1 ||
    { cat "$work/install.log" >&2; fail "cmake --install"; }
dpkg-deb -x "$deb" "$work/unpacked"
list() { (cd "$1" && find . -mindepth 1 -printf '%P %y\n' | sort); }
diff <(list "$work/installed") <(list "$work/unpacked") >"$work/diff" ||
    { cat "$work/diff" >&2; fail "the package's files (>) differ from those installed (<)"; }

export PATH=$work/unpacked/usr/bin:$PATH
xvfb-run -a -s "-screen 0 1280x800x24" bash "$here/../install/install_test.sh" --on-screen "$work" "$keep_screen"

# The same tree in a folder of another name and depth builds the same bytes.
elsewhere=$work/another/folder/$package-copy
"$source_dir/tools/build_package.sh" --copy "$elsewhere"
"$elsewhere/tools/build_package.sh" "$work/again" --no-test >"$work/again.log" 2>&1 ||
    { cat "$work/again.log" >&2; fail "the package could not be built from $elsewhere"; }
for made in "$work"/out/*.deb; do
    cmp "$made" "$work/again/$(basename "$made")" ||
        fail "$(basename "$made") differs when built from another folder"
done
echo "$(basename "$deb"): lintian clean, hardened, $(list "$work/unpacked" | wc -l) paths as installed, plate shown," \
    "the same bytes from another folder"
