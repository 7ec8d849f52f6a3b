#!/bin/bash
# SPDX-License-Identifier: MIT
# The release is written once, as the newest entry of debian/changelog, which dpkg and CMake read. The manual
# pages' footers and the AppStream metadata's newest release are written by hand: each must give the changelog's
# version and date, and CMake its version. Then, in a copy, each place changed in turn must be caught.
#
#   version_test.sh <source dir> <CMake version>
set -euo pipefail

source_dir=$(realpath -e "${1:?usage: version_test.sh <source dir> <CMake version>}")
cmake_version=${2:?usage: version_test.sh <source dir> <CMake version>}

# One line for each place that disagrees with the changelog; nothing when all agree.
disagreements() {
    local tree=$1 cmake=$2 version date day month file found pages=0 metainfos=0
    version=$(dpkg-parsechangelog -l "$tree/debian/changelog" -S Version)
    date=$(dpkg-parsechangelog -l "$tree/debian/changelog" -S Date)
    day=$(LC_ALL=C date -u -d "$date" +%F)
    month=$(LC_ALL=C date -u -d "$date" '+%B %Y')

    [[ $cmake == "$version" ]] || echo "CMake: $cmake, the changelog: $version"

    for file in "$tree"/share/metainfo/*.metainfo.xml; do
        metainfos=$((metainfos + 1))
        found=$(grep -o -m 1 '<release [^>]*>' "$file" || true)
        [[ $found == *" version=\"$version\""* && $found == *" date=\"$day\""* ]] ||
            echo "${file#"$tree"/}: the newest release is '$found', the changelog's is $version of $day"
    done

    # A translated page, under its language's folder, writes the month in its own language: its year must agree.
    while IFS= read -r -d '' file; do
        pages=$((pages + 1))
        found=$(grep -m 1 '^\.TH ' "$file" || true)
        local expected_date=$month
        [[ ${file#"$tree"/share/man/} == */* ]] && expected_date=${month##* }
        local footer="^\\.TH [^ ]+ [0-9] \"[^\"]*$expected_date\" \"astrolabe-simulator ${version//./\\.}\""
        [[ $found =~ $footer ]] ||
            echo "${file#"$tree"/}: '$found', the changelog's is $version of $month"
    done < <(find "$tree/share/man" -name '*.[1-8]' -print0)

    ((pages > 0 && metainfos > 0)) || echo "no manual page or no AppStream metadata under $tree/share"
}

status=0
found=$(disagreements "$source_dir" "$cmake_version")
[[ -z $found ]] || { echo "FAIL: the places that give the version disagree:" >&2 && echo "$found" >&2 && status=1; }

# Each place changed alone, in a copy: "where|file|sed expression".
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
mutations=(
    "changelog's version|debian/changelog|1s/(\([0-9.]*\))/(\1.1)/"
    "changelog's date|debian/changelog|0,/^ -- /s/ [0-9][0-9][0-9][0-9] / 1999 /"
    "AppStream release's version|share/metainfo/io.github.dorlasco.AstrolabeSimulator.metainfo.xml|0,/<release /s/version=\"/version=\"0./"
    "AppStream release's date|share/metainfo/io.github.dorlasco.AstrolabeSimulator.metainfo.xml|0,/<release /s/date=\"[0-9]*/date=\"1999/"
    "manual page's version|share/man/astrolabe-simulator.1|/^\.TH /s/astrolabe-simulator \([0-9.]*\)/&.1/"
    "manual page's month|share/man/astrolabe-simulator.1|/^\.TH /s/\"[A-Z][a-z]* /\"May /"
)
for mutation in "${mutations[@]}"; do
    IFS='|' read -r where file expression <<<"$mutation"
    rm -rf "${copy:?}"/*
    cp -r "$source_dir/debian" "$source_dir/share" "$copy/"
    sed -i "$expression" "$copy/$file"
    if cmp -s "$source_dir/$file" "$copy/$file"; then
        echo "FAIL: the $where was not changed in the copy" >&2 && status=1
    elif [[ -z $(disagreements "$copy" "$cmake_version") ]]; then
        echo "FAIL: the $where changed alone goes unnoticed" >&2 && status=1
    fi
done
[[ -n $(disagreements "$source_dir" "$cmake_version.1") ]] ||
    { echo "FAIL: CMake's version changed alone goes unnoticed" >&2 && status=1; }

((status == 0)) && echo "version $cmake_version in every place; each place changed alone is caught"
exit $status
