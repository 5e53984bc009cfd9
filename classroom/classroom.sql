-- The class record on the school's server.
--
-- Run it once as a superuser, into a database of the school's choosing:
--     psql -v ON_ERROR_STOP=1 -d DATABASE -f /usr/share/vornash/classroom.sql
-- Running it again changes nothing that is there already (it is safe after an upgrade).
-- Then, for each pupil and teacher, a role named as their login on the desktops:
--     CREATE ROLE ann LOGIN IN ROLE vornash_pupil;
--     CREATE ROLE mr_lee LOGIN IN ROLE vornash_teacher;
--     SELECT vornash_add_pupil('ann', 'mr_lee');
-- How they authenticate (peer, a password in ~/.pgpass, GSSAPI) is pg_hba.conf's business.
--
-- Who may do what:
--   a pupil inserts rows that name itself, reads only its own rows, updates and deletes nothing;
--   a teacher reads the rows of the pupils in its classes and writes nothing;
--   only the owner of this file's objects (or whom the school grants it) puts pupils in classes.

BEGIN;

DO $roles$
BEGIN
    IF NOT EXISTS (SELECT FROM pg_catalog.pg_roles WHERE rolname = 'vornash_pupil') THEN
        CREATE ROLE vornash_pupil NOLOGIN;
    END IF;
    IF NOT EXISTS (SELECT FROM pg_catalog.pg_roles WHERE rolname = 'vornash_teacher') THEN
        CREATE ROLE vornash_teacher NOLOGIN;
    END IF;
END
$roles$;

CREATE SCHEMA IF NOT EXISTS vornash;

-- One row per event recorded on a pupil's desktop, sent once (the id is made on the desktop).
CREATE TABLE IF NOT EXISTS vornash.events (
    id           uuid PRIMARY KEY,
    pupil        text NOT NULL DEFAULT session_user,
    problem      uuid,
    time         timestamptz NOT NULL,
    kind         text NOT NULL CHECK (kind IN ('shown', 'check', 'answer')),
    module       text NOT NULL CHECK (module IN ('circles', 'folding')),
    type         smallint NOT NULL CHECK (type BETWEEN 0 AND 5),
    r            int,
    n            int,
    a            int,
    b            int,
    question     text,
    typed        text,
    value        double precision,
    right_answer boolean,
    first_try    boolean,
    slips        text,
    step         int,
    seconds      double precision,
    language     text,
    received     timestamptz NOT NULL DEFAULT now()
);
CREATE INDEX IF NOT EXISTS events_by_pupil ON vornash.events (pupil, module, type, time);

-- Which pupils are in which teacher's class.
CREATE TABLE IF NOT EXISTS vornash.classes (
    teacher text NOT NULL,
    pupil   text NOT NULL,
    PRIMARY KEY (teacher, pupil)
);
CREATE INDEX IF NOT EXISTS classes_by_pupil ON vornash.classes (pupil);

-- Row-level security: what each role sees and may write, row by row. session_user is the role
-- that logged in, which a SET ROLE cannot change.
ALTER TABLE vornash.events ENABLE ROW LEVEL SECURITY;
ALTER TABLE vornash.classes ENABLE ROW LEVEL SECURITY;

DROP POLICY IF EXISTS pupil_inserts_own ON vornash.events;
CREATE POLICY pupil_inserts_own ON vornash.events FOR INSERT TO vornash_pupil
    WITH CHECK (pupil = session_user);
-- A pupil reads its own rows (INSERT ... ON CONFLICT DO NOTHING needs it, and so may the pupil).
DROP POLICY IF EXISTS pupil_reads_own ON vornash.events;
CREATE POLICY pupil_reads_own ON vornash.events FOR SELECT TO vornash_pupil
    USING (pupil = session_user);
DROP POLICY IF EXISTS teacher_reads_class ON vornash.events;
CREATE POLICY teacher_reads_class ON vornash.events FOR SELECT TO vornash_teacher
    USING (EXISTS (SELECT FROM vornash.classes c
                   WHERE c.teacher = session_user AND c.pupil = events.pupil));
DROP POLICY IF EXISTS teacher_reads_own_classes ON vornash.classes;
CREATE POLICY teacher_reads_own_classes ON vornash.classes FOR SELECT TO vornash_teacher
    USING (teacher = session_user);

-- Grants: nothing for anyone else; no UPDATE or DELETE for anyone. The time a row arrived is the
-- server's: pupils cannot insert it.
REVOKE ALL ON SCHEMA vornash FROM PUBLIC;
GRANT USAGE ON SCHEMA vornash TO vornash_pupil, vornash_teacher;
REVOKE ALL ON vornash.events, vornash.classes FROM PUBLIC, vornash_pupil, vornash_teacher;
GRANT SELECT ON vornash.events TO vornash_pupil, vornash_teacher;
GRANT INSERT (id, pupil, problem, time, kind, module, type, r, n, a, b, question, typed, value,
              right_answer, first_try, slips, step, seconds, language)
    ON vornash.events TO vornash_pupil;
GRANT SELECT ON vornash.classes TO vornash_teacher;

-- Puts a pupil in a teacher's class. Runs with its owner's rights (it writes vornash.classes,
-- which nobody else may); its search path is pinned so that no object of the caller's can stand
-- in for ours. Nobody may call it but its owner and whom the school grants EXECUTE.
CREATE OR REPLACE FUNCTION public.vornash_add_pupil(pupil text, teacher text) RETURNS void
    LANGUAGE plpgsql SECURITY DEFINER
    SET search_path = pg_catalog, pg_temp
AS $add$
BEGIN
    IF $1 IS NULL OR NOT EXISTS (SELECT FROM pg_catalog.pg_roles WHERE rolname = $1)
       OR NOT pg_catalog.pg_has_role($1, 'vornash_pupil', 'MEMBER') THEN
        RAISE EXCEPTION 'vornash_add_pupil: % is not a role in vornash_pupil', $1;
    END IF;
    IF $2 IS NULL OR NOT EXISTS (SELECT FROM pg_catalog.pg_roles WHERE rolname = $2)
       OR NOT pg_catalog.pg_has_role($2, 'vornash_teacher', 'MEMBER') THEN
        RAISE EXCEPTION 'vornash_add_pupil: % is not a role in vornash_teacher', $2;
    END IF;
    INSERT INTO vornash.classes (teacher, pupil) VALUES ($2, $1) ON CONFLICT DO NOTHING;
END
$add$;
REVOKE ALL ON FUNCTION public.vornash_add_pupil(text, text) FROM PUBLIC;

COMMIT;
