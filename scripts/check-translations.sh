#!/bin/sh
# Runs lupdate over the sources into a copy of each catalogue in translations/ and fails when
# it finds a text without a translation (unfinished) or a translation whose text is gone
# (vanished): the catalogues are up to date with every text the user reads.
set -eu
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
[ -x "$lupdate" ] || { echo "FAIL: lupdate not found (Debian package qt6-l10n-tools)"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in translations/*.ts; do
    copy="$work/$(basename "$ts")"
    cp "$ts" "$copy"
    "$lupdate" -silent -locations none src -ts "$copy" >/dev/null
    left=$(grep -c 'type="unfinished"\|type="vanished"\|type="obsolete"' "$copy" || true)
    if [ "$left" -ne 0 ]; then
        echo "FAIL: $ts: $left texts untranslated or gone; run lupdate and translate them:"
        grep -B2 'type="unfinished"\|type="vanished"\|type="obsolete"' "$copy" | grep '<source>' | head -20
        status=1
    fi
done
[ $status -eq 0 ] && echo "every text lupdate finds is translated"
exit $status
