#!/usr/bin/env bash
# A throw-away PostgreSQL cluster: its data, log and socket in one folder, on a free loopback
# port, trusting local connections. Run as root it runs the server as the postgres user
# (initdb refuses root). Used by scripts/remote-db.sh and by the tests' fixture.
#
#   pg-cluster.sh start DIR [server option...]  creates DIR and starts a cluster there;
#                                               prints the port (kept in DIR/port)
#   pg-cluster.sh stop DIR                      stops the server (DIR stays)
#   pg-cluster.sh restart DIR                   starts it again on the same port and options
#   pg-cluster.sh load DIR [ROWS]               the sample database "tessix": Customers with
#                                               the sample rows; with ROWS, also a schema
#                                               "large" whose Customers has ROWS rows
#   pg-cluster.sh remove DIR                    stops the server at once and deletes DIR
#   pg-cluster.sh test-setup FILE / test-cleanup FILE
#                                               the tests' cluster, in a folder under the
#                                               temporary folder written to FILE ("missing:
#                                               <reason>" without the server binaries)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
bin="$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)"

as_owner() {
    if [ "$(id -u)" -eq 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}
need_server() {
    if [ -z "$bin" ] || [ ! -x "$bin/initdb" ]; then
        echo "The PostgreSQL server binaries are not installed (package postgresql);" \
             "scripts/install-deps.sh installs them." >&2
        exit 3
    fi
}
server_options() { # the port, the loopback address only, the socket in the folder
    echo "-p $1 -c listen_addresses=127.0.0.1 -k $2/sock"
}
psql_on() {
    local dir=$1
    shift
    "$bin/psql" -X -q -v ON_ERROR_STOP=1 -h 127.0.0.1 -p "$(cat "$dir/port")" -U postgres "$@"
}

start() {
    local dir=$1
    shift
    need_server
    mkdir -p "$dir/sock"
    [ "$(id -u)" -eq 0 ] && chown -R postgres: "$dir"
    as_owner "$bin/initdb" -D "$dir/data" -A trust -U postgres -E UTF8 --locale=C --no-sync \
        > "$dir/initdb.log"
    # A random port; another one when it is taken (the server then fails to start).
    for _ in $(seq 1 20); do
        local port=$((20000 + RANDOM % 40000))
        if as_owner "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 30 \
            -o "$(server_options "$port" "$dir") $*" start > /dev/null; then
            echo "$port" > "$dir/port"
            # A restart keeps them (the tests count statements in the log).
            echo "$*" > "$dir/options"
            echo "$port"
            return 0
        fi
    done
    echo "No free port for PostgreSQL; see $dir/server.log" >&2
    return 1
}

load() {
    local dir=$1 rows=${2:-}
    psql_on "$dir" -d postgres -c "CREATE DATABASE tessix"
    # The sample rows as Data/Test.sql has them, under the server's table definition.
    { cat "$here/pg/Customers.sql"; grep '^(' "$here/../Data/Test.sql"; } |
        psql_on "$dir" -d tessix
    if [ -n "$rows" ]; then
        psql_on "$dir" -d tessix -v rows="$rows" -f "$here/pg/LargeCustomers.sql"
    fi
}

case "${1:-}" in
start) start "${2:?folder}" "${@:3}" ;;
stop) as_owner "$bin/pg_ctl" -D "${2:?folder}/data" -m fast -w stop > /dev/null ;;
restart)
    dir=${2:?folder}
    as_owner "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 30 \
        -o "$(server_options "$(cat "$dir/port")" "$dir") $(cat "$dir/options" 2> /dev/null)" \
        start > /dev/null
    ;;
load) load "${2:?folder}" "${3:-}" ;;
remove)
    dir=${2:?folder}
    if [ -d "$dir/data" ]; then
        as_owner "$bin/pg_ctl" -D "$dir/data" -m immediate -w stop > /dev/null 2>&1 || true
    fi
    rm -rf "$dir"
    ;;
test-setup)
    file=${2:?file}
    if ! (need_server) 2> /dev/null; then
        echo "missing: the PostgreSQL server binaries are not installed (package postgresql)" \
            > "$file"
        echo "PostgreSQL is not installed: its tests will be skipped."
        exit 0
    fi
    dir="$(mktemp -d "${TMPDIR:-/tmp}/tessix-pg.XXXXXX")"
    chmod 755 "$dir"
    # Every statement in the log: the tests count the blocks a cursor fetched.
    start "$dir" -c log_statement=all > /dev/null
    load "$dir"
    echo "$dir" > "$file"
    echo "PostgreSQL test cluster in $dir on port $(cat "$dir/port")"
    ;;
test-cleanup)
    file=${2:?file}
    dir="$(cat "$file" 2> /dev/null || true)"
    case "$dir" in
    */tessix-pg.*) "$0" remove "$dir" ;;
    esac
    rm -f "$file"
    ;;
*)
    sed -n '2,18p' "$0" >&2
    exit 2
    ;;
esac
