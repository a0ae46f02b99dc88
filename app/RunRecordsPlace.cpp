#include "app/RunRecords.h"

#include "core/ErrorGuard.h"
#include "platform/SettingsBacking.h"
#include "records/RecordsError.h"
#include "records/RecordsSending.h"
#include "records/RecordsStore.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

// Where the records are kept: the school server named in the settings file, and what waits on
// this computer to be sent there.
namespace tessarine {

std::unique_ptr<RecordsStore> RunRecords::openLocalOrThrow()
{
    auto store = std::make_unique<RecordsStore>(m_filePath);
    if (const auto notice = store->open())
        tell({*notice}, QStringLiteral("SessionRecorder"));
    return store;
}

void RunRecords::sendWaiting(RecordsStore& server, QList<RuntimeError>& faults) noexcept
{
    try {
        if (!QFileInfo::exists(m_filePath))
            return;
        if (auto local = openFile(faults))
            sendUnsent(*local, server);
    } catch (...) {
        faults.append(toRuntimeError(std::current_exception()));
    }
}

QString RunRecords::server() { return SettingsStore(m_settings).read(SettingKey::RecordsServer).trimmed(); }

void RunRecords::setServer(const QString& connection)
{
    static const QRegularExpression password(QStringLiteral("(^|\\s)password\\s*="));
    if (connection.contains(password))
        throw RuntimeError(RecordsErrorNumber::ServerSetting,
                           QCoreApplication::translate("RunRecords", "The password is not kept in the settings: put it in "
                                                                     "~/.pgpass, where PostgreSQL finds it, and leave it out "
                                                                     "of the connection string."));
    // This computer leaves no key behind.
    const SettingDefinition& key = SettingsStore::definition(SettingKey::RecordsServer);
    if (connection.trimmed().isEmpty())
        m_settings.remove(key.section, key.name);
    else
        m_settings.write(key.section, key.name, connection.trimmed());
    m_settings.flush();
    m_told.removeIf([](const QPair<int, QString>& told) { return told.first == RecordsErrorNumber::ServerUnreachable; });
}

int RunRecords::unsentSessions()
{
    if (!QFileInfo::exists(m_filePath))
        return 0;
    RecordsStore local(m_filePath);
    local.openForReading();
    return static_cast<int>(local.unsentSessions().size());
}

int RunRecords::sendNow()
{
    const auto connection = server();
    // An empty string would reach whatever server libpq finds by default.
    if (connection.isEmpty())
        throw RuntimeError(RecordsErrorNumber::ServerSetting,
                           QCoreApplication::translate("RunRecords", "No school server is chosen to send the sessions to."));
    RecordsStore serverStore(RecordsFile::Server{connection});
    serverStore.open();
    RecordsStore local(m_filePath);
    local.open();
    return sendUnsent(local, serverStore);
}

} // namespace tessarine
