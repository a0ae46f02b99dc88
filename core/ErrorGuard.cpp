#include "core/ErrorGuard.h"

#include "core/MessageBox.h"

#include <new>

namespace tessarine {

QString errorReportText(const RuntimeError& error, const QString& procedure, ProcedureKind kind)
{
    const auto suffix = kind == ProcedureKind::Function ? QStringLiteral("function") : QStringLiteral("routine");
    return QStringLiteral("Error \"%1\" in %2() %3").arg(error.description(), procedure, suffix);
}

QString fatalReportText(const RuntimeError& error)
{
    return QStringLiteral("Run-time error '%1': %2").arg(error.number()).arg(error.description());
}

RuntimeError toRuntimeError(const std::exception_ptr& thrown) noexcept
{
    try {
        std::rethrow_exception(thrown);
    } catch (const RuntimeError& error) {
        return error;
    } catch (const std::bad_alloc&) {
        return {ErrorNumber::OutOfMemory, QStringLiteral("Out of memory")};
    } catch (const std::exception& other) {
        return {ErrorNumber::Internal, QString::fromLocal8Bit(other.what())};
    } catch (...) {
        return {ErrorNumber::Internal, QStringLiteral("Unexpected error")};
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
