#include "app/RunRecords.h"

#include "core/ErrorGuard.h"
#include "platform/SettingsBacking.h"
#include "records/RecordsError.h"
#include "records/RecordsStore.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace tessarine {

namespace {

RuntimeError caught() noexcept { return toRuntimeError(std::current_exception()); }

// Where the access settings come from when the records cannot give them.
QString fromSettingsFile(const QString& learner, bool hasCopy)
{
    //: %1 is the learner's name
    return hasCopy ? QCoreApplication::translate("RunRecords", "The access settings of %1 are taken from the settings file.")
                         .arg(learner)
                   //: %1 is the learner's name
                   : QCoreApplication::translate("RunRecords",
                                                 "The settings file has no access settings for %1: the defaults are used.")
                         .arg(learner);
}

} // namespace

RunRecords::RunRecords(QString filePath, IMessageBox& messageBox, ISettingsBacking& settings)
    : m_filePath(std::move(filePath))
    , m_messageBox(messageBox)
    , m_settings(settings)
    , m_accessFile(settings)
{
}

RunRecords::~RunRecords() = default;

std::unique_ptr<RecordsStore> RunRecords::openFile(QList<RuntimeError>& faults) noexcept
{
    try {
        auto store = std::make_unique<RecordsStore>(m_filePath);
        try {
            if (const auto notice = store->open())
                faults.append(*notice);
        } catch (...) {
            faults.append(caught());
        }
        // A file set aside leaves a new, usable one.
        if (store->isOpen())
            return store;
    } catch (...) {
        faults.append(caught());
    }
    return nullptr;
}

std::unique_ptr<RecordsStore> RunRecords::open(QList<RuntimeError>& faults, bool* standIn) noexcept
{
    QString connection;
    try {
        connection = server();
    } catch (...) {
        faults.append(caught());
    }
    if (!connection.isEmpty()) {
        try {
            auto store = std::make_unique<RecordsStore>(RecordsFile::Server{connection});
            store->open();
            // Answering again, a server that goes away later is told again.
            m_told.removeIf([](const QPair<int, QString>& told) { return told.first == RecordsErrorNumber::ServerUnreachable; });
            return store;
        } catch (...) {
            const auto error = caught();
            faults.append(
                {error.number(), error.shownDescription() + u' '
                                     + QCoreApplication::translate("RunRecords", "Records are kept on this computer until the "
                                                                                 "school server answers again.")});
        }
        if (standIn)
            *standIn = true;
    }
    return openFile(faults);
}

void RunRecords::tell(const QList<RuntimeError>& faults, const QString& procedure, const QString& note, bool again) noexcept
{
    try {
        QList<RuntimeError> untold;
        for (const RuntimeError& fault : faults) {
            // A server that does not answer is told once, whatever its words on why.
            const QPair<int, QString> key{
                fault.number(), fault.number() == RecordsErrorNumber::ServerUnreachable ? QString() : fault.description()};
            const bool told = m_told.contains(key);
            if (!told)
                m_told.append(key);
            if (!told || again)
                untold.append(fault);
        }
        // The note says what follows from the records failing: it goes with the last fault of the
        // records themselves, not with a server's, which this computer's records stand in for.
        qsizetype noted = untold.size() - 1;
        while (noted >= 0 && untold[noted].number() == RecordsErrorNumber::ServerUnreachable)
            --noted;
        for (qsizetype i = 0; i < untold.size(); ++i) {
            // The note follows in the same message box, in the interface's language like the description.
            QString description = untold[i].shownDescription();
            if (i == noted && !note.isEmpty())
                description += (description.endsWith(u'.') ? QStringLiteral(" ") : QStringLiteral(". ")) + note;
            Guard(m_messageBox, procedure).report(std::make_exception_ptr(RuntimeError(untold[i].number(), description)));
        }
    } catch (...) {
        Guard(m_messageBox, procedure).report(std::current_exception());
    }
}

QStringList RunRecords::learners(const QString& procedure)
{
    QList<RuntimeError> faults;
    QStringList names;
    try {
        // Without a server, there are none before the first recorded session made the file.
        if (!QFileInfo::exists(m_filePath) && server().isEmpty())
            return {};
        if (const auto store = open(faults)) {
            if (store->onServer())
                sendWaiting(*store, faults);
            names = store->learners();
        }
    } catch (...) {
        faults.append(caught());
    }
    tell(faults, procedure,
         QCoreApplication::translate("RunRecords", "Learners' access settings are taken from the settings file."));
    return names;
}

std::unique_ptr<RecordsStore> RunRecords::forWindow(const QString& learner, const QString& procedure)
{
    QList<RuntimeError> faults;
    auto store = open(faults);
    bool hasCopy = false;
    try {
        hasCopy = m_accessFile.read(learner).has_value();
        // The window reads the learner's rows at once; a file that cannot give them opens no window.
        if (store)
            store->hasLearner(learner);
    } catch (...) {
        faults.append(caught());
        store.reset();
    }
    tell(faults, procedure, fromSettingsFile(learner, hasCopy));
    return store;
}

RunRecords::Exercise RunRecords::resolve(const QString& learner, const QString& procedure, bool keepCopy) noexcept
{
    Exercise result;
    QList<RuntimeError> faults;
    bool standIn = false;
    const std::optional<AccessSettings> copy = [&]() -> std::optional<AccessSettings> {
        try {
            return m_accessFile.read(learner);
        } catch (...) {
            faults.append(caught());
            return std::nullopt;
        }
    }();
    result.store = open(faults, &standIn);
    result.journal.unsent = standIn;
    if (result.store && result.store->onServer()) {
        result.journal.openLocal = [this] { return openLocalOrThrow(); };
        result.journal.serverLost = [this](const RuntimeError& lost) {
            tell({{lost.number(), lost.shownDescription() + u' '
                                      + QCoreApplication::translate("RunRecords", "The exercise goes on; its answers are kept on "
                                                                                  "this computer and sent when the school "
                                                                                  "server answers again.")}},
                 QStringLiteral("SessionRecorder"));
        };
    }
    std::optional<AccessSettings> recorded;
    try {
        if (result.store && copy && m_accessFile.isNewer(learner)) {
            // A change the records could not take when it was made goes into them now.
            result.store->setAccessSettings(learner, copy->toMap());
            m_accessFile.setNewer(learner, false);
            recorded = copy;
        } else if (result.store) {
            // A learner without any (a new learner, a new file) has none in the records.
            const auto values = result.store->accessSettings(learner);
            if (!values.isEmpty())
                recorded = AccessSettings::fromMap(values);
        }
    } catch (...) {
        faults.append(caught());
        result.store.reset();
    }
    if (recorded) {
        result.access = *recorded;
        if (keepCopy && copy != recorded) {
            try {
                m_accessFile.write(learner, *recorded);
            } catch (...) {
                // A settings file that cannot be saved was told when the options were stored.
            }
        }
    } else if (copy) {
        result.access = *copy;
    }
    tell(faults, procedure, fromSettingsFile(learner, copy.has_value()));
    return result;
}

RunRecords::Exercise RunRecords::forExercise(const QString& learner, const QString& procedure)
{
    Exercise result = resolve(learner, procedure, true);
    if (!result.store)
        return result;
    if (result.store->onServer()) {
        QList<RuntimeError> faults;
        sendWaiting(*result.store, faults);
        tell(faults, procedure);
    }
    try {
        result.teaching = TeachingSettings::fromMap(result.store->teachingSettings(learner));
        // Without review or errorless trials the history changes nothing; it is read all the same,
        // so that a fault shows before the session rather than in its middle.
        result.history = result.store->teachingHistory(learner, result.store->masteryRule(learner));
    } catch (...) {
        // Records that give the settings only in part are not trusted with the session either.
        result.teaching = {};
        result.history = {};
        result.store.reset();
        tell({caught()}, procedure,
             //: %1 is the learner's name
             QCoreApplication::translate("RunRecords",
                                         "The exercise runs without the teaching settings of %1, and nothing of it is recorded.")
                 .arg(learner));
    }
    return result;
}

std::optional<TeachingSettings> RunRecords::teachingSettings(const QString& learner, const QString& procedure)
{
    QList<RuntimeError> faults;
    try {
        if (const auto store = open(faults)) {
            auto settings = TeachingSettings::fromMap(store->teachingSettings(learner));
            tell(faults, procedure);
            return settings;
        }
    } catch (...) {
        faults.append(caught());
    }
    //: %1 is the learner's name
    tell(faults, procedure,
         QCoreApplication::translate("RunRecords", "The teaching settings of %1 cannot be changed now.").arg(learner), true);
    return std::nullopt;
}

bool RunRecords::setTeachingSettings(const QString& learner, const TeachingSettings& settings, const QString& procedure)
{
    QList<RuntimeError> faults;
    try {
        if (const auto store = open(faults)) {
            store->setTeachingSettings(learner, settings.toMap());
            tell(faults, procedure);
            return true;
        }
    } catch (...) {
        faults.append(caught());
    }
    //: %1 is the learner's name
    tell(faults, procedure, QCoreApplication::translate("RunRecords", "The teaching settings of %1 were not saved.").arg(learner),
         true);
    return false;
}

AccessSettings RunRecords::accessSettings(const QString& learner, const QString& procedure)
{
    return resolve(learner, procedure, false).access;
}

void RunRecords::setAccessSettings(const QString& learner, const AccessSettings& settings, const QString& procedure)
{
    QList<RuntimeError> settingsFault;
    bool kept = false;
    try {
        // Marked newer until the records have it too, so that their older copy never wins.
        m_accessFile.write(learner, settings);
        m_accessFile.setNewer(learner, true);
        kept = true;
    } catch (...) {
        settingsFault.append(caught());
    }
    tell(settingsFault, procedure);

    QList<RuntimeError> faults;
    try {
        if (const auto store = open(faults)) {
            store->setAccessSettings(learner, settings.toMap());
            if (kept)
                m_accessFile.setNewer(learner, false);
        }
    } catch (...) {
        faults.append(caught());
    }
    tell(faults, procedure,
         //: %1 is the learner's name
         kept ? QCoreApplication::translate("RunRecords", "The access settings of %1 are kept in the settings file.").arg(learner)
              : QString());
}

void RunRecords::learnerDeleted(const QString& learner, const QString& procedure)
{
    QList<RuntimeError> faults;
    try {
        m_accessFile.remove(learner);
    } catch (...) {
        faults.append(caught());
    }
    try {
        if (!server().isEmpty() && QFileInfo::exists(m_filePath)) {
            if (auto local = openFile(faults); local && local->hasLearner(learner))
                local->deleteLearner(learner);
        }
    } catch (...) {
        faults.append(caught());
    }
    tell(faults, procedure);
}

} // namespace tessarine
