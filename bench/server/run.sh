#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Spelldeck developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Spelldeck on a PostgreSQL server, measured on a Release build and printed as a Markdown table:
#
#     bench/server/run.sh [PUPILS [SECONDS]]        # 30 pupils for 30 s unless told
#
# 1. A class at work: PUPILS processes at once, each the program's own test window (offscreen) on a
#    20-word list with the AnswerLog the main window gives it, answered as a keen pupil does (an
#    answer every 200-500 ms, about one in seven missed and asked again) for SECONDS. Timed is the
#    Check word handler itself, pressed as the pupil presses it: until it returns with the next word
#    shown, or for a miss until the correction window shows (the answer is stored before either);
#    the storing inside it is timed apart.
# 2. The editor opened on a list of 10,000 words, 21 times, on the file and on the server.
# 3. Start-up to the main window drawn, on the file and on the server, taken turn about by
#    bench/startup's driver on Xvfb (its "bare window" here is Spelldeck on the file); and what
#    connecting costs a fresh process, step by step, on each.
#
# The server is a throwaway one of its own (scripts/test-server.sh), on a Unix socket, stopped however
# the run ends; its schema is made by the program's tool (spelldeck-db init --server). The build is
# BUILD_DIR, build-rel by default, which must be a configured Release build. Every figure grows on a
# machine that builds something beside it: look at the load average printed first.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${BUILD_DIR:-$root/build-rel}
pupils=${1:-30}
seconds=${2:-30}

[ -f "$build/CMakeCache.txt" ] || { echo "run.sh: $build is not a configured build folder" >&2; exit 1; }
build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt")
[ "$build_type" = Release ] || echo "warning: $build is a '${build_type:-no type}' build, not Release" >&2
cmake --build "$build" --target bench_server spelldeck spelldeck-db startup_driver >/dev/null
bench=$build/bench/server/bench_server
tool=$build/tools/spelldeck-db

work=$(mktemp -d /tmp/spelldeck-bench-server.XXXXXX)
server=
xvfb=
cleanup() {
    cd /
    [ -n "$xvfb" ] && { kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null || true; }
    [ -n "$server" ] && "$root/scripts/test-server.sh" stop "$server"
    rm -rf "$work"
}
trap cleanup EXIT
server=$("$root/scripts/test-server.sh" start)
pgbin=$(ls -d /usr/lib/postgresql/*/bin | sort -V | tail -n 1)

# The folder the program runs from: the file database with the demo recordings the pupils hear.
mkdir -p "$work/run" "$work/home-config" "$work/xdg-file" "$work/xdg-server/spelldeck" "$work/runtime"
chmod 700 "$work/runtime"
"$tool" --demo "$work/run/data/data.db" >/dev/null
cat >"$work/xdg-server/spelldeck/database.conf" <<CONF
[database]
driver=postgresql
host=$server
name=spelldeck_bench
user=spelldeck
CONF
"$pgbin/createdb" -h "$server" -U spelldeck spelldeck_bench
"$tool" init --server "$work/xdg-server/spelldeck/database.conf" >/dev/null

# The user's own settings never count; the folders of XDG_CONFIG_DIRS say file or server.
export XDG_CONFIG_HOME=$work/home-config XDG_RUNTIME_DIR=$work/runtime
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy QT_LOGGING_RULES='qt.qpa.*=false' LANG=C.UTF-8 LC_ALL=C.UTF-8
on_file() { XDG_CONFIG_DIRS=$work/xdg-file "$@"; }
on_server() { XDG_CONFIG_DIRS=$work/xdg-server "$@"; }

cd "$work/run"
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
read -r _ big_file < <(on_file "$bench" fill --out "$work/fill-file.json")
read -r test_server big_server < <(on_server "$bench" fill --out "$work/fill-server.json")

# Statements the server takes 10 ms or more over while the class works are noted in its log.
log_lines=$(wc -l <"$server/server.log")
"$pgbin/psql" -q -h "$server" -U spelldeck -d spelldeck_bench \
    -c "alter database spelldeck_bench set log_min_duration_statement = 10"
echo "class: $pupils pupils for $seconds s..." >&2
on_server "$bench" class --list "$test_server" --pupils "$pupils" --seconds "$seconds" --out "$work/class.json" ||
    echo "warning: some answers were not kept or a pupil failed" >&2

slow=$(tail -n +"$((log_lines + 1))" "$server/server.log" | grep -E 'duration: [0-9.]+ ms' || true)
slow_commits=$(grep -c 'statement: COMMIT' <<<"$slow" || true)
slow_all=$(grep -c . <<<"$slow" || true)
"$pgbin/psql" -q -h "$server" -U spelldeck -d spelldeck_bench \
    -c "alter database spelldeck_bench reset log_min_duration_statement"

echo "editor: 21 openings on each backend..." >&2
on_file "$bench" editor --list "$big_file" --runs 21 --out "$work/editor-file.json"
on_server "$bench" editor --list "$big_server" --runs 21 --out "$work/editor-server.json"

# Start-up on Xvfb, the two backends taken turn about; the same shell start in front of both.
echo "start-up: 21 launches of each..." >&2
for backend in file server; do
    cat >"$work/spelldeck-$backend" <<SH
#!/bin/sh
XDG_CONFIG_DIRS=$work/xdg-$backend
export XDG_CONFIG_DIRS
exec "$build/app/spelldeck"
SH
    chmod +x "$work/spelldeck-$backend"
done
display_file=$work/display
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    sleep 0.05
done
[ -s "$display_file" ] || { echo "Xvfb gave no display number" >&2; exit 1; }
(unset QT_QPA_PLATFORM WAYLAND_DISPLAY
 DISPLAY=:$(head -n1 "$display_file") "$build/bench/startup/startup_driver" --runs 21 \
     --bare "$work/spelldeck-file" --spelldeck "$work/spelldeck-server" --csv "$work/startup.csv" >"$work/startup.log")

on_file "$bench" connect --runs 21 --out "$work/connect-file.json"
on_server "$bench" connect --runs 21 --out "$work/connect-server.json"

echo
"$bench" table --class "$work/class.json" --editor-file "$work/editor-file.json" \
    --editor-server "$work/editor-server.json" --startup "$work/startup.csv" \
    --connect-file "$work/connect-file.json" --connect-server "$work/connect-server.json"
echo
echo "Statements of the class that took the server 10 ms or more: $slow_all, of which COMMIT $slow_commits."
echo "Machine: $(nproc) cores, $build_type build, PostgreSQL $("$pgbin/postgres" --version | awk '{print $3}');" \
    "load average before $load_before, after $(cut -d' ' -f1-3 /proc/loadavg)."
