#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Spelldeck developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program on a private Xvfb server (1280 x 800, no panels), with or without a window
# manager, for what only a real window system shows: where windows land, where the keyboard goes.
# Usage: x11_run.sh TEST_PROGRAM none|openbox [NAME=VALUE ...]   (the pairs go to its environment)
# Exits 77 (a skip) when Xvfb or the window manager is not installed.
set -u
program=$1
manager=$2
shift 2
for assignment in "$@"; do
    export "$assignment"
done

command -v Xvfb >/dev/null || { echo "SKIP: Xvfb is not installed" >&2; exit 77; }
if [ "$manager" != none ]; then
    command -v "$manager" >/dev/null || { echo "SKIP: $manager is not installed" >&2; exit 77; }
fi

# A display number nobody uses, taken atomically by Xvfb's own lock file.
display=
pids=
cleanup() { [ -n "$pids" ] && kill $pids 2>/dev/null; wait 2>/dev/null; }
trap cleanup EXIT
n=$(( 200 + $$ % 500 ))
for attempt in 1 2 3 4 5 6 7 8 9 10; do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
        Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
        pid=$!
        for wait in $(seq 50); do
            [ -e "/tmp/.X11-unix/X$n" ] && break
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        if [ -e "/tmp/.X11-unix/X$n" ] && kill -0 "$pid" 2>/dev/null; then
            display=:$n
            pids=$pid
            break
        fi
    fi
    n=$((n + 1))
done
[ -n "$display" ] || { echo "FAIL: no X server could be started" >&2; exit 1; }
export DISPLAY=$display

if [ "$manager" != none ]; then
    # Ready once it announces itself on the root window; on a busy machine that can take seconds. One
    # that ends before it does (the display not yet taking clients, say) is started again. If it never
    # announces itself, the test runs all the same: only the tests of frames need one.
    log=$(mktemp /tmp/x11_run.XXXXXX)
    ready=
    for start in 1 2 3; do
        "$manager" --sm-disable >>"$log" 2>&1 &
        wm=$!
        for wait in $(seq 100); do
            if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
                ready=yes
                break
            fi
            kill -0 "$wm" 2>/dev/null || break
            sleep 0.1
        done
        if [ -n "$ready" ]; then
            pids="$pids $wm"
            break
        fi
        kill "$wm" 2>/dev/null
        wait "$wm" 2>/dev/null
    done
    if [ -z "$ready" ]; then
        echo "x11_run.sh: $manager did not announce itself; what it said:" >&2
        cat "$log" >&2
    fi
    rm -f "$log"
fi

QT_QPA_PLATFORM=xcb "$program"
