-- config.fdb: users, program-wide and per-user settings, counters, stored runs.

CREATE TABLE mvusers (
  id_user INTEGER NOT NULL PRIMARY KEY,
  name    VARCHAR(24) NOT NULL,
  class   INTEGER NOT NULL,
  status  INTEGER DEFAULT 0 NOT NULL,
  updated DATE
);

CREATE TABLE settings (
  id_name VARCHAR(64) NOT NULL PRIMARY KEY,
  id_type INTEGER NOT NULL,
  c_value VARCHAR(1024)
);

CREATE TABLE local_settings (
  id_name VARCHAR(64) NOT NULL,
  id_user INTEGER NOT NULL,
  id_type INTEGER NOT NULL,
  c_value VARCHAR(1024),
  CONSTRAINT pk_local_settings PRIMARY KEY (id_name, id_user)
);

CREATE TABLE other (
  var1 VARCHAR(64) NOT NULL PRIMARY KEY,
  var2 VARCHAR(255)
);

CREATE TABLE results (
  id_res     INTEGER NOT NULL PRIMARY KEY,
  e_date     TIMESTAMP NOT NULL,
  duration   VARCHAR(16),
  id_user_fk INTEGER NOT NULL,
  egroup     VARCHAR(100),
  exam       VARCHAR(100),
  task_count INTEGER,
  repeated   INTEGER,
  good       INTEGER,
  bad        INTEGER,
  late       INTEGER,
  success    INTEGER,
  mark       VARCHAR(4),
  correct    INTEGER,
  summary    BLOB SUB_TYPE 0
);
CREATE INDEX ix_results_exam ON results (exam);
CREATE INDEX ix_results_user ON results (id_user_fk);
CREATE INDEX ix_results_date ON results (e_date);

-- The predefined user: listed first, can be neither deleted nor changed.
INSERT INTO mvusers (id_user, name, class, status) VALUES (1, 'Kamarát', 4, 1);
INSERT INTO other (var1, var2) VALUES ('Version', '1');
