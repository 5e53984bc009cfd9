#!/usr/bin/env bash
# The class record on one machine, for trying it: a PostgreSQL cluster of its own in a folder,
# the schema, a teacher and a few pupils with a term's worth of made-up checks, and a libpq
# service file with a service for each of them.
#
#   bash scripts/classroom-demo.sh start [--dir DIR] [--pupils N] [--checks N]
#   bash scripts/classroom-demo.sh stop  [--dir DIR]
#
# DIR is /tmp/vornash-classroom unless given. "start" prints how to open the teacher's page.
# The server listens only on a Unix socket inside DIR; when run as root it runs as the postgres
# user. Sign-in is "trust" on that socket, which is for trying only: a school chooses peer,
# a password in ~/.pgpass or GSSAPI in its own pg_hba.conf.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bin=/usr/lib/postgresql/15/bin
action=${1:-}
[ $# -gt 0 ] && shift
dir=/tmp/vornash-classroom
pupils=6
checks=120
while [ $# -gt 0 ]; do
  case "$1" in
    --dir) dir=$2; shift 2 ;;
    --pupils) pupils=$2; shift 2 ;;
    --checks) checks=$2; shift 2 ;;
    *) echo "classroom-demo: unknown option $1" >&2; exit 1 ;;
  esac
done
[[ $pupils =~ ^[0-9]+$ && $checks =~ ^[0-9]+$ ]] || { echo "classroom-demo: --pupils and --checks take numbers" >&2; exit 1; }

say() { printf 'classroom-demo: %s\n' "$*" >&2; }
# The server's programs run as the postgres user when we are root (the server refuses root).
as_server() {
  if [ "$(id -u)" = 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}

case "$action" in
  stop)
    if [ -f "$dir/data/postmaster.pid" ]; then
      (cd / && as_server "$bin/pg_ctl" -D "$dir/data" stop -m fast >/dev/null)
    fi
    rm -rf "$dir"
    say "stopped, and $dir removed"
    exit 0 ;;
  start) ;;
  *) sed -n '2,12p' "$0" | sed 's/^# \{0,1\}//' >&2; exit 1 ;;
esac

[ -x "$bin/initdb" ] || { say "PostgreSQL 15 is missing (apt-get install postgresql)"; exit 2; }
[ -e "$dir" ] && { say "$dir is there already: run '$0 stop --dir $dir' first"; exit 1; }
mkdir -p "$dir"
[ "$(id -u)" = 0 ] && chown postgres: "$dir"
chmod 0700 "$dir"
cd /
as_server "$bin/initdb" -D "$dir/data" -U vornash_admin --auth=trust --no-sync --no-instructions \
  -E UTF8 --locale=C.UTF-8 >/dev/null
as_server mkdir -m 0700 "$dir/sock"
as_server "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w start \
  -o "-k $dir/sock -c listen_addresses='' -c fsync=off" >/dev/null
say "server started on the socket in $dir/sock"

# One service for the school's administrator and one for each role, as a desktop would have it
# (on a school's desktops the service names no user: the login is the role).
teacher=ms_lee
names=(ann ben cara dev eli fay gus hana ivo jude kai lena milo nia oto pia quin rosa sami tove
       uma vik wen xia yann zoe abe bea cyd dora)
roles=()
for ((i = 0; i < pupils; ++i)); do
  name=${names[i % ${#names[@]}]}
  [ "$i" -ge "${#names[@]}" ] && name="${name}$((i / ${#names[@]}))"
  roles+=("$name")
done
services="$dir/pg_service.conf"
{
  for role in vornash_admin "$teacher" "${roles[@]}"; do
    printf '[%s]\nhost=%s\ndbname=classroom\nuser=%s\n\n' "${role/vornash_admin/admin}" "$dir/sock" "$role"
  done
} >"$services"
chmod 0644 "$services"
export PGSERVICEFILE=$services

as_server "$bin/createdb" -h "$dir/sock" -U vornash_admin classroom
psql_admin() { psql "service=admin" -v ON_ERROR_STOP=1 -q "$@"; }
psql_admin -f "$here/classroom/classroom.sql" >/dev/null
psql_admin -v teacher="$teacher" <<'SQL'
CREATE ROLE :"teacher" LOGIN IN ROLE vornash_teacher;
SQL
for role in "${roles[@]}"; do
  psql_admin -v pupil="$role" -v teacher="$teacher" <<'SQL' >/dev/null
CREATE ROLE :"pupil" LOGIN IN ROLE vornash_pupil;
SELECT vornash_add_pupil(:'pupil', :'teacher');
SQL
done

# Made-up checks: each pupil has a knack for each of the twelve kinds of problem, works through
# them in turn, a problem at a time, up to three checks a problem, and makes the kind's slips
# when wrong. The same seed gives the same class every time.
psql_admin -v checks="$checks" <<'SQL' >/dev/null
SELECT setseed(0.42);
CREATE TEMP TABLE pupil AS
    SELECT pupil, 0.45 + 0.5 * random() AS base, random() * interval '3 days' AS away
    FROM vornash.classes;
CREATE TEMP TABLE knack AS
    SELECT u.pupil, k, least(0.97, u.base + 0.4 * (random() - 0.5)) AS p
    FROM pupil u, generate_series(0, 11) AS k;
CREATE TEMP TABLE slip_ids(k int, id text);
INSERT INTO slip_ids VALUES
    (0, 'c0.pir'), (0, 'c0.area'), (1, 'c1.nosq'), (1, 'c1.circ'), (2, 'c2.arc'), (2, 'c2.whole'),
    (3, 'c3.rad'), (3, 'c3.arc'), (4, 'c4.one'), (4, 'c4.hr'), (5, 'c5.sector'), (5, 'c5.all6'),
    (6, 'f0.long'), (6, 'f0.diam'), (7, 'f1.perim'), (7, 'f1.both'), (8, 'f2.sum'), (8, 'f2.both'),
    (9, 'f3.short'), (9, 'f3.one'), (10, 'f4.one'), (10, 'f4.perim'), (11, 'f5.cut'), (11, 'f5.arc');
-- A kind that comes hard gets longer problems (up to five checks), so that some pupils get stuck.
CREATE TEMP TABLE made AS
    SELECT c.pupil, g, k, n.p,
           g / len AS problem_no,
           g % len = 0 AS first_try,
           random() AS draw,
           random() AS pick,
           now() - (SELECT away FROM pupil u WHERE u.pupil = c.pupil)
                 - (:checks - g) * (interval '20 days' / :checks) AS time
    FROM vornash.classes c, generate_series(0, :checks - 1) AS g,
         LATERAL (SELECT (g * 12 / :checks) % 12 AS k) AS kk,
         LATERAL (SELECT p, CASE WHEN p < 0.45 THEN 5 ELSE 3 END AS len
                  FROM knack WHERE knack.pupil = c.pupil AND knack.k = kk.k) AS n;
INSERT INTO vornash.events (id, pupil, problem, time, kind, module, type, right_answer, first_try,
                            slips, seconds, language)
SELECT gen_random_uuid(), m.pupil,
       uuid_in(md5(m.pupil || '/' || m.k || '/' || m.problem_no)::cstring),
       m.time, 'check', CASE WHEN m.k < 6 THEN 'circles' ELSE 'folding' END, m.k % 6,
       m.draw < m.p, m.first_try,
       CASE WHEN m.draw < m.p THEN NULL
            ELSE (SELECT s.id FROM slip_ids s WHERE s.k = m.k
                  ORDER BY s.id OFFSET floor(m.pick * 1.6)::int LIMIT 1) END,
       20 + 100 * m.pick, 'en'
FROM made m;
SQL

say "a teacher ($teacher) and ${#roles[@]} pupils, ${checks} checks each"
cat <<EOF
The class record is running in $dir. To open the teacher's page:

    export PGSERVICEFILE=$services
    vornash --classroom $teacher --class          # or: build/bin/vornash ...
    vornash --classroom $teacher --export-class class.csv
    vornash --classroom ${roles[0]} --class       # a pupil is told it is for teachers

When done:  bash $0 stop --dir $dir
EOF
