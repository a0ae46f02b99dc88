#pragma once

#include <QString>

namespace tessarine {

// Where the learners' records are kept, as the Records window offers the choice: this computer's
// file, or a school's PostgreSQL server named by a libpq connection string. Sessions recorded on
// this computer while the server could not be reached wait there, marked unsent, until sent.
class IRecordsPlace {
public:
    virtual ~IRecordsPlace() = default;

    // The server's connection string; empty for this computer.
    virtual QString server() = 0;
    // Keeps the choice (empty: this computer). Throws RuntimeError for a string that cannot be
    // kept, such as one holding a password.
    virtual void setServer(const QString& connection) = 0;
    // The sessions on this computer not yet sent to the server.
    virtual int unsentSessions() = 0;
    // Sends them, each exactly once; returns how many were sent. Throws RuntimeError when the
    // server cannot take them; what was sent before stays sent.
    virtual int sendNow() = 0;
};

} // namespace tessarine
