#!/bin/bash
# SPDX-License-Identifier: MIT
# Builds the Debian package into a scratch folder, runs lintian on it, checks that it holds exactly what
# `cmake --install` puts under /usr, then unpacks it and starts the program from there on a virtual screen: the
# main window must show the plate. Skipped (status 77) where dpkg-deb or lintian is missing.
#
#   package_test.sh <build dir> <screenshot kept on failure>
set -euo pipefail

readonly package=astrolabe-simulator
here=$(dirname "$(realpath -e "$0")")

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

for tool in dpkg-deb lintian cpack; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (make test installs dpkg-dev and lintian)"
        exit 77
    fi
done

build=$(realpath -e "${1:?usage: package_test.sh <build dir> <screenshot>}")
keep_screen=${2:?usage: package_test.sh <build dir> <screenshot>}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/out") >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack could not build the package"; }
debs=("$work"/out/*.deb)
((${#debs[@]} == 1)) || fail "cpack made ${#debs[@]} packages: ${debs[*]}"
deb=${debs[0]}
version=$(dpkg-deb -f "$deb" Version)
[[ $(basename "$deb") == "${package}_${version}_$(dpkg --print-architecture).deb" ]] ||
    fail "the package is named $(basename "$deb")"

# The libraries come from dpkg-shlibdeps, the printing and SVG ones among them.
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6printsupport6 libqt6svg6 libqt6widgets6; do
    [[ $depends == *"$library"* ]] || fail "the package does not depend on $library: $depends"
done

# Errors and warnings both fail: the README names any warning that is meant to stay.
status=0
lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || status=$?
grep -v 'running with root privileges' "$work/lintian.log" >&2 || true
((status == 0)) || fail "lintian rejects $(basename "$deb")"

# The same paths, of the same kinds (file, folder, link), as an install into an empty folder.
DESTDIR=$work/installed cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1 ||
    { cat "$work/install.log" >&2; fail "cmake --install"; }
dpkg-deb -x "$deb" "$work/unpacked"
list() { (cd "$1" && find . -mindepth 1 -printf '%P %y\n' | sort); }
diff <(list "$work/installed") <(list "$work/unpacked") >"$work/diff" ||
    { cat "$work/diff" >&2; fail "the package's files (>) differ from those installed (<)"; }

export PATH=$work/unpacked/usr/bin:$PATH
xvfb-run -a -s "-screen 0 1280x800x24" bash "$here/../install/install_test.sh" --on-screen "$work" "$keep_screen"
echo "$(basename "$deb"): lintian clean, $(list "$work/unpacked" | wc -l) paths as installed, plate shown"
