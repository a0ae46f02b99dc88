CREATE TABLE learners (id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE);
CREATE TABLE sessions (id INTEGER PRIMARY KEY, learner_id INTEGER NOT NULL REFERENCES learners(id) ON DELETE CASCADE,
  started TEXT NOT NULL, ended TEXT, options TEXT NOT NULL, program_version TEXT NOT NULL, program_folder TEXT NOT NULL);
CREATE TABLE sets (id INTEGER PRIMARY KEY, session_id INTEGER NOT NULL REFERENCES sessions(id) ON DELETE CASCADE,
  number INTEGER NOT NULL, object TEXT NOT NULL, caption TEXT NOT NULL, symbol_right TEXT NOT NULL,
  symbol_distractor TEXT NOT NULL, symbol_right_element INTEGER NOT NULL, attribute_right TEXT NOT NULL,
  attribute_distractor TEXT NOT NULL, attribute_right_element INTEGER NOT NULL, error TEXT NOT NULL, ended_by TEXT);
CREATE TABLE clicks (id INTEGER PRIMARY KEY, set_id INTEGER NOT NULL REFERENCES sets(id) ON DELETE CASCADE,
  row TEXT NOT NULL CHECK (row IN ('symbol', 'attribute')), element INTEGER NOT NULL, file TEXT NOT NULL,
  correct INTEGER NOT NULL, first_try INTEGER NOT NULL, response_ms INTEGER NOT NULL);
INSERT INTO learners VALUES (1, 'Ada');
INSERT INTO sessions VALUES (1, 1, '2025-01-05T10:00:00.000Z', '2025-01-05T10:20:00.000Z', '{}', '0.9.0', '/opt/tessarine');
INSERT INTO sets VALUES (1, 1, 1, 'cup.colour.red.jpg', 'CUP RED', 'cup.jpg', 'ball.jpg', 0, 'colour.red.jpg',
  'colour.blue.jpg', 1, '', 'next in sequence');
INSERT INTO sets VALUES (2, 1, 2, 'ball.colour.blue.jpg', 'BALL BLUE', '', '', 0, '', '', 0,
  'No image found: plase check images folders', 'change set');
INSERT INTO clicks VALUES (1, 1, 'symbol', 0, 'cup.jpg', 1, 1, 1234);
INSERT INTO clicks VALUES (2, 1, 'attribute', 1, 'colour.red.jpg', 1, 1, 800);
INSERT INTO clicks VALUES (3, 2, 'symbol', 0, 'cup.jpg', 1, 1, 300);
PRAGMA user_version=1;
