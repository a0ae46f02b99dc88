#pragma once

#include <QString>
#include <QStringList>

namespace tessarine {
class RecordsStore;
}

namespace tessarine::bench {

// The objects the learners' sets show, in turn.
const QStringList& recordsObjects();

// Writes a learner's history straight into the store's records (file or server) in one
// transaction, as sessions would have: `sessions` sessions a day apart of `setsPerSession` sets,
// each with a click in each row, the triggers keeping the scores and set counts; each session is
// then ended through the store, which keeps its median. Throws when anything fails, so that no
// figure is measured over a learner left empty.
void fillLearner(RecordsStore& store, const QString& learner, int sessions, int setsPerSession);

// Opening the Records window as the program will: open the records (a file's path, or a server's
// connection string), read the learner, build the window, show and paint it. Milliseconds;
// BENCH_PARTS=1 prints where they went. Throws when the window reports a failure.
double openRecordsWindowMs(const QString& records, bool onServer, const QString& learner);

} // namespace tessarine::bench
