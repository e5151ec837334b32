#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Spelldeck developers
# SPDX-License-Identifier: GPL-3.0-or-later
# How fast Spelldeck's main window appears next to a bare Qt window:
#
#     bench/startup/run.sh [driver options, e.g. --runs 21 --csv /tmp/startup.csv]
#
# Installs what only this benchmark needs (Xvfb and the xcb Damage headers) when missing, configures
# a Release build in build-release when there is none (BUILD_DIR overrides the folder), brings the
# driver and the programs it launches up to date there (nothing is rebuilt when they are), starts
# Xvfb without a window manager on a free display, runs the driver, which prints the table, and stops
# Xvfb. Figures from a Debug or sanitizer build say little: the script warns when the build is not
# Release. Run it on an otherwise idle machine: with a build running beside it every figure grows
# by half or more and the spread triples.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${BUILD_DIR:-$root/build-release}

"$root/scripts/install-deps.sh" xvfb libxcb1-dev libxcb-damage0-dev

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSPELLDECK_BUILD_TESTS=OFF >/dev/null
else
    # Configured again so that a driver skipped for want of xcb-damage is picked up.
    cmake -S "$root" -B "$build" >/dev/null
fi
build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt")
[ "$build_type" = Release ] || echo "warning: $build is a '${build_type:-no type}' build, not Release" >&2
cmake --build "$build" --target startup_driver >/dev/null

# Xvfb picks the first free display and writes its number to the descriptor it is given.
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -f "$display_file"' EXIT
for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    kill -0 "$xvfb" 2>/dev/null || { echo "Xvfb did not start" >&2; exit 1; }
    sleep 0.05
done
[ -s "$display_file" ] || { echo "Xvfb gave no display number" >&2; exit 1; }

# Both programs go to the X server the same way, whatever this shell was set up for.
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
DISPLAY=:$(head -n1 "$display_file") "$build/bench/startup/startup_driver" "$@"
