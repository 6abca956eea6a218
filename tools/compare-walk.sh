#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Compares two screenshot walks (tools/screenshot-walk.sh): every PNG pixel by pixel and the
# settings file Corvane.ini byte by byte. Prints one line per file and ends with code 1 on any
# difference (a file missing on one side counts as one). For each PNG that differs, the
# differing pixels are marked in DIR_B/diff/NAME.png.
# Usage: tools/compare-walk.sh DIR_A DIR_B
set -euo pipefail

if [ $# -ne 2 ] || [ ! -d "$1" ] || [ ! -d "$2" ]; then
  echo "usage: $0 DIR_A DIR_B" >&2
  exit 2
fi
a=$1
b=$2
diffs="$b/diff"
rm -rf "$diffs"
status=0

mapfile -t names < <(find "$a" "$b" -maxdepth 1 -name '*.png' -printf '%f\n' | sort -u)
[ ${#names[@]} -gt 0 ] || {
  echo "no PNG in $a or $b" >&2
  exit 2
}
for name in "${names[@]}"; do
  if [ ! -f "$a/$name" ] || [ ! -f "$b/$name" ]; then
    echo "$name: only in $([ -f "$a/$name" ] && echo "$a" || echo "$b")"
    status=1
    continue
  fi
  size_a=$(identify -format '%wx%h' "$a/$name")
  size_b=$(identify -format '%wx%h' "$b/$name")
  if [ "$size_a" != "$size_b" ]; then
    echo "$name: sizes differ ($size_a, $size_b)"
    status=1
    continue
  fi
  mkdir -p "$diffs"
  # compare prints the number of differing pixels on stderr and ends with 0 (same), 1 (they
  # differ) or 2 (it could not compare).
  code=0
  pixels=$(compare -metric AE "$a/$name" "$b/$name" "$diffs/$name" 2>&1 >/dev/null) || code=$?
  case $code in
  0)
    echo "$name: same"
    rm -f "$diffs/$name"
    ;;
  1)
    echo "$name: $pixels pixels differ"
    status=1
    ;;
  *)
    echo "$name: not compared: $pixels"
    status=1
    ;;
  esac
done
rmdir "$diffs" 2>/dev/null || true

if [ ! -f "$a/Corvane.ini" ] || [ ! -f "$b/Corvane.ini" ]; then
  echo "Corvane.ini: missing in $([ -f "$a/Corvane.ini" ] && echo "$b" || echo "$a")"
  status=1
elif cmp -s "$a/Corvane.ini" "$b/Corvane.ini"; then
  echo "Corvane.ini: same"
else
  echo "Corvane.ini: differs ($(cmp "$a/Corvane.ini" "$b/Corvane.ini" 2>&1 | sed 's/^[^:]*: //'))"
  status=1
fi
exit $status
