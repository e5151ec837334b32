#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Spelldeck developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Spelldeck, creates data/data.db with the demo list when there is
# none, and starts the program from this folder (it opens data/data.db relative to where it runs).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DSPELLDECK_BUILD_TESTS=OFF >/dev/null
cmake --build build -j "$(nproc)"

[ -e data/data.db ] || build/tools/spelldeck-db --demo data/data.db
exec build/app/spelldeck
