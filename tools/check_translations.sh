#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# `tools/check_translations.sh --update` refreshes the .ts files in translations/ from the sources: new texts come
# in unfinished, texts gone are dropped. Without it, fails when the sources hold a translatable text that the .ts
# files lack (lupdate run into a scratch copy changes it), or when a catalogue has an unfinished, obsolete or
# vanished message.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
mapfile -t sources < <(find src -name '*.cpp' -o -name '*.h' | LC_ALL=C sort)
refresh() { # the .ts file, its language
    "$lupdate" -silent -locations none -no-obsolete -source-language en -target-language "$2" "${sources[@]}" -ts "$1"
}
language_of() { local name; name=$(basename "$1" .ts); echo "${name#astrolabe_}"; }

if [ "${1:-}" = --update ]; then
    for ts in translations/*.ts; do refresh "$ts" "$(language_of "$ts")"; done
    exit 0
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for ts in translations/*.ts; do
    cp "$ts" "$scratch/"
    refresh "$scratch/$(basename "$ts")" "$(language_of "$ts")"
    if ! diff -u "$ts" "$scratch/$(basename "$ts")" >"$scratch/diff"; then
        echo "$ts is not up to date with the sources; run 'make translations' and translate what is new:" >&2
        cat "$scratch/diff" >&2
        status=1
    fi
    if grep -nE 'type="(unfinished|obsolete|vanished)"' "$ts" >&2; then
        echo "$ts has unfinished or obsolete messages (above)." >&2
        status=1
    fi
done
[ "$status" = 0 ] && echo "translations: every text of the sources is in the catalogues, translated"
exit "$status"
