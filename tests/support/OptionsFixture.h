#pragma once

#include "core/Module1.h"
#include "options/frmApertura.h"
#include "platform/doubles/TestDoubles.h"
#include "settings/SettingsStore.h"
#include "support/MediaFolder.h"

#include <QPointer>

#include <memory>

namespace tessarine::testing {

// One options window over a throw-away program folder, with recording doubles and the settings in
// memory, unless a test hands in another listing or settings backing.
struct OptionsWindow {
    explicit OptionsWindow(const QStringList& sounds = {})
        : platform(folder.path())
    {
        for (const QString& name : sounds)
            folder.addFile(QStringLiteral("Sounds"), name, "RIFF");
    }
    // The window goes before the module it refers to.
    ~OptionsWindow() { delete window; }
    void store(SettingKey key, const QString& value)
    {
        platform.settings.values.insert({SettingsStore::definition(key).section, SettingsStore::definition(key).name}, value);
    }
    QString stored(SettingKey key) { return SettingsStore(platform.settings).read(key); }
    frmApertura& open()
    {
        module = std::make_unique<Module1>(platform.messageBox, platform.random);
        frmApertura::Actions actions;
        actions.openExercise = [this](QPointer<QWidget>&) { opened << QStringLiteral("exercise"); };
        actions.knownLearners = [] { return QStringList{"Ana", "Ben"}; };
        actions.openRecords = [this](const QString& learner) { opened << "records " + learner; };
        actions.openAccess = [this](const QString& learner) { opened << "access " + learner; };
        actions.openTeaching = [this](const QString& learner) { opened << "teaching " + learner; };
        actions.audioNotice = [this] { return audioNotice; };
        actions.chooseFolder = [this](QWidget*) { return otherFolder; };
        actions.openPictures = [this](const QString& folder) { opened << "pictures " + folder; };
        window = new frmApertura(*module,
                                 {platform.messageBox, listing ? *listing : platform.listing, platform.pictures, platform.random,
                                  platform.sound, settings ? *settings : platform.settings, platform.lifetime, platform.program},
                                 actions);
        window->show();
        return *window;
    }
    QStringList messages() const { return platform.messageBox.shown; }
    QString sound(const QString& name) const { return folder.path() + QStringLiteral("/Sounds/") + name; }

    MediaFolder folder;
    doubles::TestPlatform platform;
    IDirectoryListing* listing = nullptr;
    ISettingsBacking* settings = nullptr;
    std::unique_ptr<Module1> module;
    QPointer<frmApertura> window;
    QStringList opened;
    QString audioNotice;
    // The folder the user picks for "Other folder..."; empty: they cancel.
    QString otherFolder;
};

} // namespace tessarine::testing
