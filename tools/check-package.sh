#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the two Debian packages (corvane, corvane-data) the way a packager would, without the
# tests and benchmarks, and checks them with lintian: any error or warning fails. Informational
# tags are printed for the record. Usage: tools/check-package.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
./tools/install-deps.sh --package
build=${1:-build-package}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_BUILD_TESTS=OFF \
  -DCORVANE_BUILD_BENCHMARKS=OFF -DCORVANE_WERROR="${CORVANE_WERROR:-OFF}"
cmake --build "$build" -j"$(nproc)"
out="$build/debs"
rm -rf "$out"
(cd "$build" && cpack -G DEB -B "$PWD/debs" >/dev/null)
debs=("$out"/*.deb)
[ ${#debs[@]} -eq 2 ] || { echo "expected two packages, found: ${debs[*]}" >&2; exit 1; }
status=0
for deb in "${debs[@]}"; do
  echo "== lintian ${deb##*/}"
  report=$(lintian --info --display-info --fail-on none "$deb" 2>&1 || true)
  [ -n "$report" ] && printf '%s\n' "$report"
  if grep -qE '^(E|W): ' <<<"$report"; then status=1; fi
done
[ $status -eq 0 ] && echo "lintian: no error, no warning"
exit $status
