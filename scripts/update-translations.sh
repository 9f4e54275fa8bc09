#!/usr/bin/env bash
# Brings the English catalogue translations/quorvane_en.ts up to date with the texts in the code
# (Qt's lupdate): a new text comes in unfinished, a text gone from the code leaves. Translate the
# unfinished ones in Qt Linguist or any text editor.
#
# Usage: scripts/update-translations.sh [--check]
#   --check  changes nothing; fails, listing them, when a text in the code is missing from the
#            catalogue or untranslated, or the catalogue holds a text the code no longer has.
# LUPDATE names the lupdate to use (default: Qt 6's).
set -euo pipefail
cd "$(dirname "$0")/.."

lupdate=${LUPDATE:-}
if [ -z "$lupdate" ]; then
    for candidate in /usr/lib/qt6/bin/lupdate "$(command -v lupdate6 || true)"; do
        if [ -n "$candidate" ] && [ -x "$candidate" ]; then
            lupdate=$candidate
            break
        fi
    done
fi
if [ -z "$lupdate" ]; then
    echo "update-translations: Qt 6's lupdate is missing (Debian: qt6-l10n-tools)" >&2
    exit 2
fi

catalogue=translations/quorvane_en.ts
update() {
    "$lupdate" -silent -locations none -no-obsolete -source-language ru -target-language en \
        src -ts "$1"
}

if [ "${1:-}" != "--check" ]; then
    update "$catalogue"
    exit 0
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$catalogue" "$work/current.ts"
update "$work/current.ts"
status=0
if ! cmp -s "$catalogue" "$work/current.ts"; then
    echo "The catalogue $catalogue is not up to date with the code:" >&2
    diff -u "$catalogue" "$work/current.ts" | grep -E '^[-+] *<source>' >&2 || true
    status=1
fi
if grep -q 'type="unfinished"' "$work/current.ts"; then
    echo "These texts have no English yet:" >&2
    grep -B2 'type="unfinished"' "$work/current.ts" | grep '<source>' >&2 || true
    status=1
fi
if [ "$status" -ne 0 ]; then
    echo "Run scripts/update-translations.sh and translate the unfinished messages." >&2
fi
exit "$status"
