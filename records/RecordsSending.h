#pragma once

#include <QList>
#include <QString>
#include <QVariant>

namespace tessarine {

class RecordsStore;

// One session as it is kept, with its sets and their clicks, column by column as the tables hold
// them, to be merged into another store.
struct SessionCopy {
    struct Set {
        QVariantList columns;       // RecordsSending.cpp's SetColumns, in that order
        QList<QVariantList> clicks; // ClickColumns each
    };
    QString learner;
    QVariantList columns; // SessionColumns
    QString uuid;
    QVariant ended; // null for a session a crash cut short
    QList<Set> sets;
};

// Sends every session kept unsent in `local` to `server`, oldest first, each in a transaction of
// its own and removed from `local` once the server has it. Returns how many were sent. Throws
// (a RuntimeError of the records) at the first one the server does not take; those before stay
// sent, and sending again sends the rest, never one twice.
int sendUnsent(RecordsStore& local, RecordsStore& server);

} // namespace tessarine
