CREATE TABLE learners (id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE,
  mastery_percent INTEGER NOT NULL DEFAULT 90, mastery_sessions INTEGER NOT NULL DEFAULT 3,
  mastery_min_trials INTEGER NOT NULL DEFAULT 5, access TEXT NOT NULL DEFAULT '');
CREATE TABLE sessions (id INTEGER PRIMARY KEY, learner_id INTEGER NOT NULL REFERENCES learners(id) ON DELETE CASCADE,
  started TEXT NOT NULL, ended TEXT, options TEXT NOT NULL, program_version TEXT NOT NULL, program_folder TEXT NOT NULL,
  set_count INTEGER NOT NULL DEFAULT 0, median_ms REAL, median_done INTEGER NOT NULL DEFAULT 0);
CREATE TABLE sets (id INTEGER PRIMARY KEY, session_id INTEGER NOT NULL REFERENCES sessions(id) ON DELETE CASCADE,
  number INTEGER NOT NULL, object TEXT NOT NULL, caption TEXT NOT NULL, symbol_right TEXT NOT NULL,
  symbol_distractor TEXT NOT NULL, symbol_right_element INTEGER NOT NULL, attribute_right TEXT NOT NULL,
  attribute_distractor TEXT NOT NULL, attribute_right_element INTEGER NOT NULL, error TEXT NOT NULL, ended_by TEXT);
CREATE TABLE clicks (id INTEGER PRIMARY KEY, set_id INTEGER NOT NULL REFERENCES sets(id) ON DELETE CASCADE,
  row TEXT NOT NULL CHECK (row IN ('symbol', 'attribute')), element INTEGER NOT NULL, file TEXT NOT NULL,
  correct INTEGER NOT NULL, first_try INTEGER NOT NULL, response_ms INTEGER NOT NULL);
CREATE INDEX sessions_by_learner ON sessions(learner_id, started);
CREATE INDEX sets_by_session ON sets(session_id, number);
CREATE INDEX clicks_by_set ON clicks(set_id);
CREATE TABLE scores (session_id INTEGER NOT NULL REFERENCES sessions(id) ON DELETE CASCADE, object TEXT NOT NULL,
  row TEXT NOT NULL, trials INTEGER NOT NULL, correct INTEGER NOT NULL, PRIMARY KEY (session_id, object, row)) WITHOUT ROWID;
CREATE TRIGGER count_set AFTER INSERT ON sets BEGIN
  UPDATE sessions SET set_count = set_count + 1 WHERE id = NEW.session_id; END;
CREATE TRIGGER score_first_try AFTER INSERT ON clicks WHEN NEW.first_try = 1 BEGIN
  INSERT INTO scores (session_id, object, row, trials, correct)
  SELECT st.session_id, st.object, NEW.row, 1, NEW.correct FROM sets st WHERE st.id = NEW.set_id
  ON CONFLICT (session_id, object, row) DO UPDATE SET trials = trials + 1, correct = correct + excluded.correct; END;
INSERT INTO learners (id, name, access) VALUES (1, 'Ada', 'ScanMode=1' || char(10));
INSERT INTO sessions (id, learner_id, started, options, program_version, program_folder)
  VALUES (1, 1, '2025-01-05T10:00:00.000Z', '{}', '1.0.0', '/opt/tessarine');
INSERT INTO sets VALUES (1, 1, 1, 'cup.colour.red.jpg', 'CUP RED', 'cup.jpg', 'ball.jpg', 0, 'colour.red.jpg',
  'colour.blue.jpg', 1, '', 'next in sequence');
INSERT INTO sets VALUES (2, 1, 2, 'ball.colour.blue.jpg', 'BALL BLUE', '', '', 0, '', '', 0,
  'No image found: plase check images folders', 'change set');
INSERT INTO clicks VALUES (1, 1, 'symbol', 0, 'cup.jpg', 1, 1, 1234);
INSERT INTO clicks VALUES (2, 1, 'attribute', 1, 'colour.red.jpg', 1, 1, 800);
INSERT INTO clicks VALUES (3, 2, 'symbol', 0, 'cup.jpg', 1, 0, 300);
UPDATE sessions SET ended = '2025-01-05T10:20:00.000Z', median_ms = 1017, median_done = 1 WHERE id = 1;
PRAGMA user_version=4;
