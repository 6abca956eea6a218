#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds everything and runs the whole test suite on a private
# session bus, without a display. CORVANE_WERROR=ON makes every compiler warning an error.
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_WERROR="${CORVANE_WERROR:-OFF}"
cmake --build build -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
exec dbus-run-session -- ctest --test-dir build --output-on-failure -j"$(nproc)"
