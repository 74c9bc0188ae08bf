#!/usr/bin/env bash
# A throw-away local PostgreSQL server for the Remote Databases window: starts a cluster on a
# free loopback port, loads the sample Customers table (and, with --large, a schema "large"
# whose Customers has 1 000 000 generated rows), and prints the setting that points the
# window at it. Stop and delete it with: scripts/pg-cluster.sh remove <folder>
#
#   scripts/remote-db.sh [--large] [folder]     (default folder: a new one under /tmp)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
rows=""
if [ "${1:-}" = "--large" ]; then
    rows=1000000
    shift
fi
dir="${1:-$(mktemp -d "${TMPDIR:-/tmp}/tessix-remote.XXXXXX")}"
[ -d "$dir" ] && chmod 755 "$dir"
port="$("$here/pg-cluster.sh" start "$dir")"
"$here/pg-cluster.sh" load "$dir" $rows
connection="Provider=PostgreSQL;Host=127.0.0.1;Port=$port;Database=tessix;User=postgres"
ini="${XDG_CONFIG_HOME:-$HOME/.config}/TessixDemonstrator.ini"
cat << TEXT
PostgreSQL is running in $dir on 127.0.0.1:$port (database tessix).

To browse it in "Remote Databases", put these lines in $ini:

[RemoteDatabases]
Server\\Connection="$connection"
TEXT
if [ -n "$rows" ]; then
    cat << TEXT

or, for the 1 000 000 generated customers:

[RemoteDatabases]
Server\\Connection="$connection;Schema=large"
TEXT
fi
cat << TEXT

Without that line the window reads the sample database Data/Test.db.
Stop and delete the server: scripts/pg-cluster.sh remove $dir
TEXT
