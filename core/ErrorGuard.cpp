#include "core/ErrorGuard.h"

#include "core/MessageBox.h"

#include <QCoreApplication>

#include <new>

namespace tessarine {

QString errorReportText(const RuntimeError& error, const QString& procedure, ProcedureKind kind)
{
    // Whole sentences, so that a translation may place the procedure's name where its language wants.
    QString text;
    if (kind == ProcedureKind::Function)
        //: %1 is what went wrong; %2 is the program's own name of the function, kept as it is
        text = QCoreApplication::translate("ErrorGuard", "Error \"%1\" in %2() function");
    else
        //: %1 is what went wrong; %2 is the program's own name of the routine, kept as it is
        text = QCoreApplication::translate("ErrorGuard", "Error \"%1\" in %2() routine");
    return text.arg(error.shownDescription(), procedure);
}

QString fatalReportText(const RuntimeError& error)
{
    //: %1 is the error's number, %2 what went wrong
    return QCoreApplication::translate("ErrorGuard", "Run-time error '%1': %2").arg(error.number()).arg(error.shownDescription());
}

RuntimeError toRuntimeError(const std::exception_ptr& thrown) noexcept
{
    try {
        std::rethrow_exception(thrown);
    } catch (const RuntimeError& error) {
        return error;
    } catch (const std::bad_alloc&) {
        return {ErrorNumber::OutOfMemory, QString::fromUtf8(QT_TRANSLATE_NOOP("RuntimeError", "Out of memory"))};
    } catch (const std::exception& other) {
        return {ErrorNumber::Internal, QString::fromLocal8Bit(other.what())};
    } catch (...) {
        return {ErrorNumber::Internal, QString::fromUtf8(QT_TRANSLATE_NOOP("RuntimeError", "Unexpected error"))};
    }
}

Guard::Guard(IMessageBox& messageBox, QString procedure, ProcedureKind kind)
    : m_messageBox(messageBox)
    , m_procedure(std::move(procedure))
    , m_kind(kind)
{
}

void Guard::report(const std::exception_ptr& thrown) noexcept
{
    try {
        m_messageBox.showCritical(errorReportText(toRuntimeError(thrown), m_procedure, m_kind));
    } catch (...) {
        // A report that cannot be shown must not take the program down with it.
    }
}

void reportUnhandled(IMessageBox& messageBox, const std::exception_ptr& thrown) noexcept
{
    try {
        messageBox.showCritical(fatalReportText(toRuntimeError(thrown)));
    } catch (...) {
    }
}

} // namespace tessarine
