#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Spelldeck developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Spelldeck needs to build, test and run, when any is missing, and the
# packages named as arguments (a benchmark's own).
set -euo pipefail

packages=(
    cmake ninja-build g++ pkgconf clang-format
    clang-14 libclang-rt-14-dev
    qt6-base-dev libqt6sql6-sqlite libqt6sql6-psql postgresql
    qt6-charts-dev libqt6opengl6-dev libgl-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libsdl2-mixer-dev libxcb1-dev
    libespeak-ng-dev espeak-ng-data flite1-dev libflite1 libmp3lame-dev libcsv-dev libzip-dev
    xvfb openbox x11-utils
    fonts-dejavu-core
    desktop-file-utils appstream dpkg-dev file librsvg2-bin
    "$@"
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
# A Tahoma-compatible face makes the windows look as designed; it is optional.
$sudo apt-get install -y -qq --no-install-recommends fonts-wine >/dev/null 2>&1 || true
