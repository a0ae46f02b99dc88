#include "collections/CollectionChoice.h"

#include "core/MessageBox.h"
#include "platform/SettingsBacking.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tessarine {

namespace {

const QString LearnerKey = QStringLiteral("Collection");

} // namespace

CollectionChoice::CollectionChoice(QString programFolder, ISettingsBacking& settings, IMessageBox& messageBox)
    : m_collections(std::move(programFolder))
    , m_settings(settings)
    , m_messageBox(messageBox)
    , m_inUse(m_collections.programFolder())
{
}

QString CollectionChoice::stored() const { return SettingsStore(m_settings).read(SettingKey::Collection); }

std::optional<QString> CollectionChoice::storedFor(const QString& learner) const
{
    if (learner.trimmed().isEmpty())
        return std::nullopt;
    return SettingsStore(m_settings).readForLearner(learner.trimmed(), LearnerKey);
}

void CollectionChoice::store(const QString& folder, const QString& learner)
{
    // The program's folder is stored as the empty text, so that an installed program that moves
    // (or a new version) still finds its own pictures.
    const QString own = QDir::cleanPath(QFileInfo(m_collections.programFolder()).absoluteFilePath());
    const QString value = folder.isEmpty() || QDir::cleanPath(QFileInfo(folder).absoluteFilePath()) == own
                              ? QString()
                              : QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    SettingsStore store(m_settings);
    store.write(SettingKey::Collection, value);
    if (!learner.trimmed().isEmpty())
        store.writeForLearner(learner.trimmed(), LearnerKey, value);
}

void CollectionChoice::forget(const QString& learner)
{
    SettingsStore store(m_settings);
    store.removeForLearner(learner.trimmed(), LearnerKey);
    store.flush();
}

QString CollectionChoice::available(const QString& folder)
{
    if (folder.isEmpty())
        return m_collections.programFolder();
    const QString absolute = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    if (QFileInfo(absolute).isDir())
        return absolute;
    if (!m_toldVanished.contains(absolute)) {
        m_toldVanished.insert(absolute);
        //: %1 is a folder
        m_messageBox.showCritical(
            QCoreApplication::translate("CollectionChoice",
                                        "The pictures chosen before, in %1, are no longer there (was the folder "
                                        "moved, renamed or on a disk that is not plugged in?). The program's "
                                        "own pictures are used instead.")
                .arg(QDir::toNativeSeparators(absolute)));
    }
    return m_collections.programFolder();
}

QString collectionInUse(const QString& programFolder, IMessageBox& messageBox)
{
    QtSettingsBacking settings(QtSettingsBacking::defaultFilePath(SettingsStore::ApplicationName));
    CollectionChoice choice(programFolder, settings, messageBox);
    return choice.available(choice.stored());
}

} // namespace tessarine
