#pragma once

#include "core/RuntimeError.h"

#include <QString>

#include <exception>
#include <utility>

namespace tessarine {

class IMessageBox;

enum class ProcedureKind { Routine, Function };

// `Error "<description>" in <Name>() routine` (or `function`).
QString errorReportText(const RuntimeError& error, const QString& procedure, ProcedureKind kind);
// `Run-time error '<number>': <description>`, for errors that reach the event loop.
QString fatalReportText(const RuntimeError& error);
// Whatever was thrown, as a numbered error.
RuntimeError toRuntimeError(const std::exception_ptr& thrown) noexcept;

// The program's error convention: every step of a guarded procedure runs through its Guard; a
// failing step is reported in a critical message box naming the procedure, and the procedure goes
// on with its next step. A failure while a test's condition is evaluated goes on inside the branch
// the test guards, so test() answers true then.
class Guard {
public:
    Guard(IMessageBox& messageBox, QString procedure, ProcedureKind kind = ProcedureKind::Routine);

    template <typename Step>
    bool step(Step&& body) noexcept
    {
        try {
            std::forward<Step>(body)();
            return true;
        } catch (...) {
            report(std::current_exception());
            return false;
        }
    }

    template <typename Condition>
    bool test(Condition&& condition) noexcept
    {
        try {
            return static_cast<bool>(std::forward<Condition>(condition)());
        } catch (...) {
            report(std::current_exception());
            return true;
        }
    }

    void report(const std::exception_ptr& thrown) noexcept;

private:
    IMessageBox& m_messageBox;
    QString m_procedure;
    ProcedureKind m_kind;
};

// Entry points from the event loop for procedures without a guard of their own: an error that gets
// this far is shown with its number and description, and the program keeps running. Nothing ever
// leaves a Qt slot as an exception.
void reportUnhandled(IMessageBox& messageBox, const std::exception_ptr& thrown) noexcept;

template <typename Handler>
void runUnguarded(IMessageBox& messageBox, Handler&& handler) noexcept
{
    try {
        std::forward<Handler>(handler)();
    } catch (...) {
        reportUnhandled(messageBox, std::current_exception());
    }
}

} // namespace tessarine
