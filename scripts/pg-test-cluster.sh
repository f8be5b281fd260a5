#!/bin/sh
# Runs a command with a throw-away PostgreSQL cluster on 127.0.0.1 and VORNIK_TEST_PG pointing at it.
# Usage: scripts/pg-test-cluster.sh COMMAND [ARGS...]
set -e
PGBIN=$(ls -d /usr/lib/postgresql/*/bin | sort -V | tail -1)
PGPORT=${PGPORT:-54329}
AS=""
[ "$(id -u)" = 0 ] && AS="runuser -u postgres --"
PGROOT=$(mktemp -d /tmp/vornik-pg.XXXXXX)
[ -n "$AS" ] && chown postgres: "$PGROOT"
stop() {
    (cd / && $AS "$PGBIN/pg_ctl" -D "$PGROOT/data" -m fast -w stop >/dev/null 2>&1) || true
    rm -rf "$PGROOT"
}
trap stop EXIT INT TERM
(cd / && $AS "$PGBIN/initdb" -D "$PGROOT/data" --username=postgres --auth=trust -E UTF8 --locale=C.UTF-8 \
    >"$PGROOT/initdb.log" 2>&1) || { cat "$PGROOT/initdb.log"; exit 1; }
(cd / && $AS "$PGBIN/pg_ctl" -D "$PGROOT/data" -l "$PGROOT/server.log" -w -t 60 \
    -o "-k $PGROOT -p $PGPORT -c listen_addresses=127.0.0.1 -c fsync=off" start >/dev/null) \
    || { cat "$PGROOT/server.log"; exit 1; }
export VORNIK_TEST_PG="Provider=PostgreSQL;Data Source=127.0.0.1;Port=$PGPORT;User ID=postgres;Password="
"$@"
