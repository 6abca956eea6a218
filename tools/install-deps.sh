#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building, running and testing need; does nothing when all
# are present. Non-interactive; uses sudo when not run as root. With --sanitizers also clang with
# its sanitizer and libFuzzer runtimes and the symbolizer, for the checks of .ci/run; with
# --package lintian, for checking the Debian packages.
set -euo pipefail
packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6dbus6 libqt6opengl6-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev libgeographiclib-dev
  libhamlib-dev libhamlib-utils libfontconfig-dev
  qt6-httpserver-dev qt6-websockets-dev openssl
  dbus-daemon
  xvfb xauth xdotool imagemagick x11-apps x11-utils fonts-dejavu-core openbox
  qt6-translations-l10n qt6-l10n-tools
  desktop-file-utils appstream
  locales
  chromium chromium-driver python3-selenium  # the rotor's web page, tested in a real browser
)
case "${1:-}" in
  --sanitizers) packages+=(clang-14 libclang-rt-14-dev llvm-14) ;;
  --package) packages+=(lintian file) ;;
esac
sudo=""
if [ "$(id -u)" -ne 0 ] && command -v sudo >/dev/null 2>&1; then
  sudo="sudo"
fi

# The tests run the programs under a German locale, as most of our users have it.
german_locale() {
  locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' && return 0
  if [ "$(id -u)" -ne 0 ] && [ -z "$sudo" ]; then
    echo "The German locale de_DE.UTF-8 is missing; run this script as root to make it." >&2
    return 0
  fi
  $sudo sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen
}

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then
  german_locale
  exit 0
fi
if [ "$(id -u)" -ne 0 ]; then
  if [ -z "$sudo" ]; then
    echo "Missing packages: ${missing[*]}" >&2
    echo "Run this script as root (no sudo on this machine) to install them." >&2
    exit 1
  fi
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
german_locale
