#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Spelldeck developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A throwaway PostgreSQL server for the tests: a cluster in a temporary folder, reached only through a
# Unix socket in that folder, with the role "spelldeck" trusted.
#
#     dir=$(scripts/test-server.sh start)    # prints the folder, the socket's too
#     SPELLDECK_TEST_SERVER=$dir ctest ...
#     scripts/test-server.sh stop "$dir"     # stops it and removes the folder
#     scripts/test-server.sh halt|resume "$dir"  # stops it, or starts it again, keeping the folder
#
# PostgreSQL refuses to run as root: run as root, the cluster belongs to the "postgres" account.
set -euo pipefail

bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
[ -n "$bin" ] || { echo "test-server.sh: PostgreSQL is not installed" >&2; exit 1; }
as=()
[ "$(id -u)" -eq 0 ] && as=(runuser -u postgres --)

case ${1:-} in
start)
    dir=$(mktemp -d /tmp/spelldeck-server.XXXXXX)
    [ "$(id -u)" -eq 0 ] && chown postgres "$dir"
    "${as[@]}" "$bin/initdb" -D "$dir/data" -A trust -U spelldeck -E UTF8 --locale=C.UTF-8 >"$dir/initdb.log"
    "${as[@]}" "$bin/pg_ctl" -D "$dir/data" -o "-k $dir -h ''" -l "$dir/server.log" -w start >/dev/null
    # One login that needs its password, for the tests of a wrong one or none.
    "${as[@]}" "$bin/psql" -h "$dir" -U spelldeck -d postgres -qc \
        "create role spelldeck_password login password 'the right one'" >/dev/null
    "${as[@]}" sed -i '1i local all spelldeck_password scram-sha-256' "$dir/data/pg_hba.conf"
    "${as[@]}" "$bin/pg_ctl" -D "$dir/data" reload >/dev/null
    echo "$dir"
    ;;
halt)
    # Stopped but kept, to be started again with resume: a server that goes away under the program.
    "${as[@]}" "$bin/pg_ctl" -D "${2:?the folder start printed}/data" -m fast -w stop >/dev/null
    ;;
resume)
    dir=${2:?the folder start printed}
    "${as[@]}" "$bin/pg_ctl" -D "$dir/data" -o "-k $dir -h ''" -l "$dir/server.log" -w start >/dev/null
    ;;
stop)
    dir=${2:?the folder start printed}
    "${as[@]}" "$bin/pg_ctl" -D "$dir/data" -m fast -w stop >/dev/null || true
    rm -rf "$dir"
    ;;
*)
    echo "usage: test-server.sh start | halt DIR | resume DIR | stop DIR" >&2
    exit 2
    ;;
esac
