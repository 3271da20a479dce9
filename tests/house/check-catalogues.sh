#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails where a catalogue and the sources disagree on the texts to translate: a text added to
# the sources would otherwise show in English in every language. The update_translations
# target brings the catalogues in step.
set -euo pipefail
sources=$1 catalogues=$2 lupdate=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$lupdate" -silent -locations none -no-obsolete "$sources" -ts "$work/fresh.ts"
texts() { grep -o '<source>.*</source>' "$1" | sort -u; }
texts "$work/fresh.ts" >"$work/fresh"
status=0
for catalogue in "$catalogues"/*.ts; do
    if ! texts "$catalogue" | diff -u --label sources --label "$catalogue" "$work/fresh" -; then
        echo "$catalogue is not in step with the sources" >&2
        status=1
    fi
done
exit $status
