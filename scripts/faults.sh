#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Spelldeck developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The database under faults, measured (not part of the test command: it takes minutes and mounts a
# file system): the program killed at ROUNDS random moments (200 by default) of a stream of edits and
# imports, then the disk full while a recording, a package or an import is written. Run as root, after
# scripts/test.sh has built build-test (or BUILD_DIR).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-test}
cmake --build "$build" --target edit_stream spelldeck-db
python3 "$root/tests/faults/kill_edits.py" "$build" --rounds "${ROUNDS:-200}"
python3 "$root/tests/faults/disk_full.py" "$build"
