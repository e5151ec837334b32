#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Spelldeck developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the file readers' fuzz targets with clang, libFuzzer, AddressSanitizer and UBSan (in
# build-fuzz, or FUZZ_BUILD_DIR), and runs each over its corpus in tests/fuzz/corpus:
#
#     scripts/fuzz.sh           a short run of each, as the test command does (RUNS inputs, 2000 by default)
#     scripts/fuzz.sh --long    a campaign of 1,000,000 inputs each (or RUNS), printing libFuzzer's figures
#
# FUZZ_TARGETS names the targets to run (all by default).
#
# New inputs go to a temporary folder, so the committed corpus stays as it is; an input that breaks a
# reader is kept in the build folder's findings/ as crash-* (or leak-*, timeout-*, oom-*) and the script
# fails. Add such an input to the target's corpus once the reader is mended.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build=${FUZZ_BUILD_DIR:-$root/build-fuzz}
runs=${RUNS:-2000}
[ "${1:-}" = --long ] && runs=${RUNS:-1000000}

CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSPELLDECK_FUZZ=ON -DSPELLDECK_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target fuzz_targets -j "$(nproc)"
mkdir -p "$build/findings"

# ASan's quarantine of freed memory cut from 256 MB to 64 MB, so the memory limit measures the readers.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:quarantine_size_mb=64
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp:print_suppressions=0
for target in ${FUZZ_TARGETS:-fuzz_text fuzz_delimited fuzz_kvtml fuzz_manifest fuzz_package fuzz_mp3}; do
    found=$(mktemp -d)
    log=$(mktemp)
    echo "== $target: $runs inputs"
    status=0
    # The package limits hold a member below 20 MiB: one allocation past 64 MiB, or 1 GiB in all, is a
    # reader holding more than its input allows.
    "$build/tests/fuzz/$target" -runs="$runs" -seed=1 -max_len=65536 -timeout=10 -rss_limit_mb=1024 -malloc_limit_mb=64 \
        -print_final_stats=1 -artifact_prefix="$build/findings/$target-" "$found" "tests/fuzz/corpus/$target" >"$log" 2>&1 || status=$?
    grep -E '^(#[0-9]+[[:space:]]+(DONE|INITED)|Done|stat::|==[0-9]+==|SUMMARY|broken promise|Test unit written)' "$log" || true
    [ "$status" -eq 0 ] || tail -n 40 "$log" >&2
    rm -rf "$found" "$log"
    [ "$status" -eq 0 ] || { echo "$target failed" >&2; exit 1; }
done
