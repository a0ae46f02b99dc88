#include "collections/CollectionChoice.h"
#include "collections/Collections.h"
#include "core/RuntimeError.h"
#include "platform/SettingsBacking.h"
#include "platform/doubles/TestDoubles.h"
#include "support/MediaFolder.h"

#include <QtTest>

using namespace tessarine;

namespace {

QStringList filesIn(const QString& folder) { return QDir(folder).entryList(QDir::Files, QDir::Name); }

} // namespace

class TestCollections : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        // Each case starts without personal collections.
        m_data = std::make_unique<QTemporaryDir>();
        qputenv("XDG_DATA_HOME", m_data->path().toUtf8());
    }

    void personalRootFollowsTheDesktop()
    {
        QCOMPARE(Collections::personalRoot(), m_data->path() + QStringLiteral("/Corvaldi-Tessarine/collections"));
        // Unset, or relative (which the desktop's rules ignore): under the home folder.
        for (const QByteArray value : {QByteArray(), QByteArray("relative/data")}) {
            qputenv("XDG_DATA_HOME", value);
            QCOMPARE(Collections::personalRoot(),
                     QDir::homePath() + QStringLiteral("/.local/share/Corvaldi-Tessarine/collections"));
        }
    }

    // Made empty or as a copy of the program's pictures, listed after the program's own in name
    // order, and a name that cannot be a folder of its own is refused in plain words.
    void createAndList()
    {
        testing::MediaFolder program;
        program.addPictures(QStringLiteral("Images"), {"cup.colour.red.jpg", "pen.colour.blue.jpg"});
        program.addPictures(QStringLiteral("Symbols"), {"cup.jpg"});
        program.addFile(QStringLiteral("Sounds"), QStringLiteral("ok.wav"), "RIFF");
        const Collections collections(program.path());

        const Collection empty = collections.create(QStringLiteral("zoo"), false);
        for (const QString sub : {"Images", "Symbols", "Attributes", "Sounds"}) {
            QVERIFY(QFileInfo(empty.folder + u'/' + sub).isDir());
            QVERIFY(filesIn(empty.folder + u'/' + sub).isEmpty());
        }
        QVERIFY(Collections::isWritable(empty.folder));

        const Collection copy = collections.create(QStringLiteral("Class B"), true);
        QCOMPARE(copy.folder, Collections::personalRoot() + QStringLiteral("/Class B"));
        QCOMPARE(filesIn(copy.folder + QStringLiteral("/Images")), QStringList({"cup.colour.red.jpg", "pen.colour.blue.jpg"}));
        QCOMPARE(filesIn(copy.folder + QStringLiteral("/Sounds")), QStringList{"ok.wav"});
        QFile original(program.subFolder(QStringLiteral("Images")) + QStringLiteral("/cup.colour.red.jpg"));
        QFile copied(copy.folder + QStringLiteral("/Images/cup.colour.red.jpg"));
        QVERIFY(original.open(QIODevice::ReadOnly) && copied.open(QIODevice::ReadOnly));
        QCOMPARE(copied.readAll(), original.readAll());

        for (const QString& bad :
             {QString(), QStringLiteral("  "), QStringLiteral("a/b"), QStringLiteral(".hidden"), QStringLiteral("zoo")}) {
            try {
                collections.create(bad, true);
                QFAIL(qPrintable("accepted: " + bad));
            } catch (const RuntimeError& error) {
                QVERIFY(!error.description().isEmpty());
            }
        }
        // Nothing half made is left beside them, and nothing hidden is listed.
        QCOMPARE(QDir(Collections::personalRoot()).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList({"Class B", "zoo"}));

        QTemporaryDir other;
        QStringList names;
        for (const Collection& c : collections.list(other.path()))
            names << c.name;
        QCOMPARE(names, QStringList({"Program's own pictures", "Class B", "zoo", QDir::toNativeSeparators(other.path())}));
        QVERIFY(collections.list().first().own && collections.list(copy.folder).size() == 3);
        // Sub-folders not made yet are made in the collection's folder; a file is no collection.
        QVERIFY(Collections::isWritable(other.path()));
        QVERIFY(!Collections::isWritable(program.subFolder(QStringLiteral("Sounds")) + QStringLiteral("/ok.wav")));
    }

    // The choice in a real settings file, as `[Session] Collection=...` and per learner under the
    // learner's name as the access settings write it; a vanished folder is told once per run.
    void choiceInTheSettingsFile()
    {
        testing::MediaFolder program;
        QTemporaryDir config;
        const QString file = config.filePath(QStringLiteral("Corvaldi-Tessarine.ini"));
        QtSettingsBacking settings(file);
        doubles::RecordingMessageBox messages;
        CollectionChoice choice(program.path(), settings, messages);
        const QString chosen = Collections(program.path()).create(QStringLiteral("Class B"), false).folder;

        choice.store(chosen, QStringLiteral("Ana/Ben"));
        settings.flush();
        QFile written(file);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(written.readAll());
        QVERIFY2(text.contains(QStringLiteral("[Session]\nCollection=") + chosen), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("[Learner/Ana%2FBen]")), qPrintable(text));
        QCOMPARE(choice.storedFor(QStringLiteral(" Ana/Ben ")), chosen);
        QCOMPARE(choice.storedFor(QStringLiteral("Cleo")), std::nullopt);

        QCOMPARE(choice.available(chosen), chosen);
        QVERIFY(QDir(chosen).removeRecursively());
        QCOMPARE(choice.available(chosen), program.path());
        QCOMPARE(choice.available(chosen), program.path());
        QCOMPARE(messages.shown.size(), 1);
        QVERIFY(messages.shown[0].contains(chosen));
    }

private:
    std::unique_ptr<QTemporaryDir> m_data;
};

QTEST_GUILESS_MAIN(TestCollections)
#include "test_collections.moc"
