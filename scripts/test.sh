#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Spelldeck developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, checks the formatting and the licence headers, builds Spelldeck twice (plain,
# and with AddressSanitizer and UndefinedBehaviorSanitizer) with warnings as errors, and runs every test
# in both builds, the server's on a throwaway PostgreSQL server, then runs the file readers' fuzz
# targets briefly.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/check-format.sh
scripts/check-licence.sh

jobs=$(nproc)
build() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSPELLDECK_WERROR=ON "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
}

# A PostgreSQL server of the run's own, stopped and removed however the run ends.
server=$(scripts/test-server.sh start)
trap 'scripts/test-server.sh stop "$server"' EXIT
export SPELLDECK_TEST_SERVER=$server

build build-test
ctest --test-dir build-test --output-on-failure -j "$jobs"

build build-asan -DSPELLDECK_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0 \
    ctest --test-dir build-asan --output-on-failure -j "$jobs"

# The file readers under the fuzzer, briefly: a known crasher in the corpus fails here.
scripts/fuzz.sh
