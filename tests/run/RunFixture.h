#pragma once

#include "app/RunFlow.h"
#include "app/RunRecords.h"
#include "core/Module1.h"
#include "platform/QtPlatform.h"
#include "platform/doubles/TestDoubles.h"
#include "records/RecordsFixture.h"
#include "records/RecordsPrompts.h"
#include "settings/SettingsStore.h"
#include "support/MediaFolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace tessarine::testing {

// The user says yes to every question of the Records window and saves nothing.
struct YesPrompts final : IRecordsPrompts {
    bool confirm(const QString&) override { return true; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
};

// A whole run over a throw-away program folder and a real settings file, with the message box
// and the sound player recording.
struct Run {
    // `recordsFile`: the records of an earlier run on the same computer; by default a new file.
    explicit Run(const QStringList& images = {"cup.colour.red.jpg", "pen.colour.blue.jpg"},
                 const QStringList& symbols = {"cup.jpg", "pen.jpg"}, const QString& recordsFile = {})
        : recordsFile(recordsFile.isEmpty() ? config.filePath(QStringLiteral("records.sqlite")) : recordsFile)
        , platform(folder.path())
        , flow(module,
               {platform.messageBox, platform.listing, platform.pictures, platform.random, platform.sound, settings,
                platform.lifetime, platform.program},
               records(), &prompts)
    {
        for (const char* sound : {"ok.wav", "error.wav", "bell.wav"})
            folder.addFile(QStringLiteral("Sounds"), QString::fromLatin1(sound), "RIFF");
        folder.addPictures(QStringLiteral("Images"), images);
        folder.addPictures(QStringLiteral("Symbols"), symbols);
        folder.addPictures(QStringLiteral("Attributes"), {"colour.red.jpg", "colour.blue.jpg"});
    }
    ~Run()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            w->deleteLater();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // What a later run would read from the file.
    QString stored(SettingKey key) const
    {
        QtSettingsBacking fresh(config.filePath(QStringLiteral("Corvaldi-Tessarine.ini")));
        const SettingDefinition& def = SettingsStore::definition(key);
        return fresh.read(def.section, def.name).value_or(QStringLiteral("(missing)"));
    }
    // A session of `learner` in the records, as an earlier run left it.
    void record(const QString& learner)
    {
        ScriptedRecorder r(records(), platform.messageBox);
        recordSession(r, learner, QStringLiteral("cup.colour.red.jpg"), 3, 2);
    }
    QString sound(const QString& name) const { return folder.path() + QStringLiteral("/Sounds/") + name; }
    QString records() const { return recordsFile; }
    RunRecords runRecords() { return RunRecords(records(), platform.messageBox, settings); }

    MediaFolder folder;
    QTemporaryDir config;
    QString recordsFile;
    doubles::TestPlatform platform;
    QtSettingsBacking settings{config.filePath(QStringLiteral("Corvaldi-Tessarine.ini"))};
    Module1 module{platform.messageBox, platform.random};
    YesPrompts prompts;
    RunFlow flow;
};

// The window of a kind the user can see, or null.
template <typename Window>
Window* shown()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<Window*>(w); window && window->isVisible())
            return window;
    return nullptr;
}

void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2)); }

// Runs `stage` from the event loop; a failed check ends the loop instead of leaving it waiting.
void fromEventLoop(std::function<void()> stage)
{
    QTimer::singleShot(0, qApp, [stage] {
        stage();
        if (QTest::currentTestFailed())
            QCoreApplication::exit(1);
    });
}

// Exactly one message was shown, and it says `text`.
void toldOnce(const QStringList& messages, const QString& text)
{
    QVERIFY2(messages.size() == 1 && messages[0].contains(text), qPrintable(messages.join(u'\n')));
}

} // namespace tessarine::testing
