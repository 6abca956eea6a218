#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs lupdate over the programs' sources against translations/*.ts and fails when a text the
# user reads has no finished translation: one new in the sources, changed there, or marked
# unfinished. With --update it writes the refreshed .ts files back (texts gone from the sources
# are dropped), for the translator to fill in.
# Usage: tools/check-translations.sh [--update]
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
[ -x "$lupdate" ] || { echo "check-translations: lupdate is missing (qt6-l10n-tools)" >&2; exit 1; }
# Every folder of the two programs; the tests, benchmarks, fuzzers and the map generator show the
# user nothing.
sources=(app base beam entry geo help logger mapfiles mercator partner platform readout rotor rotorbridge
         session settings spots startup sun text widgets)
status=0
for ts in translations/*.ts; do
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  cp "$ts" "$work/${ts##*/}"
  "$lupdate" -silent -locations none -no-obsolete -extensions cpp,h -I . "${sources[@]}" -ts "$work/${ts##*/}" >/dev/null
  if [ "${1:-}" = --update ]; then
    cp "$work/${ts##*/}" "$ts"
  fi
  if grep -q 'type="unfinished"' "$work/${ts##*/}"; then
    # The source text ends on the line before its translation.
    echo "check-translations: ${ts##*/} has no finished translation of:" >&2
    grep -B1 'type="unfinished"' "$work/${ts##*/}" | grep -v '<translation' >&2 || true
    status=1
  fi
  rm -rf "$work"
  trap - EXIT
done
exit $status
