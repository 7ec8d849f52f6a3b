#!/bin/bash
# SPDX-License-Identifier: MIT
# The one way the Debian package is made: `make package` and the package test both call this. The tree is copied
# into a scratch folder (dpkg-buildpackage writes beside the source, and a copy leaves the tree and its build
# folders out of it), built there with `dpkg-buildpackage -us -uc -b`, and the packages, the program's and its
# debugging symbols, are copied into the output folder. Fails when lintian reports an error or a warning, or any
# hardening tag even at its pedantic and informational levels, or when hardening-check finds a protection missing.
#
#   build_package.sh <output dir> [--no-test]
#   build_package.sh --copy <folder>
#
# --no-test builds with DEB_BUILD_OPTIONS=nocheck: the test programs are not built and dh_auto_test runs nothing,
# for a caller that runs the suite itself. --copy only copies the tree, as it would be built, into the folder.
set -euo pipefail

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

readonly package=astrolabe-simulator
source_dir=$(realpath -e "$(dirname "$0")/..")

# What git tracks and what it would add (not what it ignores: the build folders); every file when there is no git.
copy_tree() {
    mkdir -p "$1"
    if git -C "$source_dir" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git -C "$source_dir" ls-files -z --cached --others --exclude-standard |
            tar -C "$source_dir" --null --files-from=- --ignore-failed-read -cf - 2>/dev/null | tar -C "$1" -xf -
    else
        tar -C "$source_dir" --exclude='./build*' --exclude="./${package}_*" --exclude="./${package}-dbgsym_*" \
            -cf - . | tar -C "$1" -xf -
    fi
}

if [[ ${1:-} == --copy ]]; then
    copy_tree "${2:?usage: build_package.sh --copy <folder>}"
    exit 0
fi

output=${1:?usage: build_package.sh <output dir> [--no-test]}
mkdir -p "$output"
output=$(realpath -e "$output")
build_options="parallel=$(nproc)"
[[ ${2:-} == --no-test ]] && build_options+=" nocheck"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tree=$work/$package
copy_tree "$tree"

echo "Building the package in $tree"
(cd "$tree" && DEB_BUILD_OPTIONS="$build_options" dpkg-buildpackage -us -uc -b) >"$work/build.log" 2>&1 ||
    { tail -n 60 "$work/build.log" >&2; fail "dpkg-buildpackage failed; its log ends above"; }

grep -E '^[0-9]+% tests passed' "$work/build.log" || echo "dh_auto_test: no tests run (nocheck)"

debs=("$work"/*.deb)
((${#debs[@]} == 2)) || fail "dpkg-buildpackage made ${#debs[@]} packages: ${debs[*]}"

status=0
lintian --pedantic -I --fail-on error,warning "${debs[@]}" >"$work/lintian.log" 2>&1 || status=$?
grep -v 'running with root privileges' "$work/lintian.log" >&2 || true
((status == 0)) || fail "lintian rejects the package"
! grep -q 'hardening-' "$work/lintian.log" || fail "lintian finds a hardening flag missing"

deb=$(ls "$work/${package}"_*.deb)
dpkg-deb -x "$deb" "$work/unpacked"
# Control flow integrity is left out: Debian 12's C start files (Scrt1.o, crti.o) carry no CET notes, so no program
# linked there is marked for it, /usr/bin/ls neither.
hardening-check --nocfprotection "$work/unpacked/usr/libexec/$package/$package" >&2 || fail "hardening-check"

cp "${debs[@]}" "$output/"
for made in "${debs[@]}"; do
    echo "$output/$(basename "$made")"
done
