#include "platform/SettingsBacking.h"
#include "settings/SettingsStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessarine;

// How values are read as numbers is pinned where users meet it: the options window over a
// hand-edited file (test_options, test_bad_input). Here: where the file lives and what it holds.
class TestSettings : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void storeIsPerUserUnderTheConfigFolder()
    {
        // A config folder the user has none of yet: it is made on the first save.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("config"))));
        const QString path = QtSettingsBacking::defaultFilePath(SettingsStore::ApplicationName);
        QCOMPARE(path, m_dir.filePath(QStringLiteral("config/Corvaldi-Tessarine.ini")));
        QtSettingsBacking backing(path);
        SettingsStore store(backing);
        store.write(SettingKey::UseSequence, QStringLiteral("0"));
        store.write(SettingKey::Year, QStringLiteral("2009"));
        store.flush();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("[GeneralSettings]\nUseSequence=0\n\n[Information]\nYear=2009\n"));
    }

    void handEditedFileIsReadAndKeptOnSaving()
    {
        // Edited by hand: comments, stray lines, Windows line ends, a key in the wrong section, text
        // that QSettings' own format would take for its notation, and a section of another program.
        const QString path = m_dir.filePath(QStringLiteral("Corvaldi-Tessarine.ini"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("; by hand\r\n[GeneralSettings]\r\nSoundOk=\r\nnot a setting\r\nSoundWrong = @ByteArray(a, \"b\".wav) \r\n"
                   "PlaySounds=0\r\n[Statistics]\r\nUseSequence=0\r\nShown=12\r\n[Elsewhere]\r\nKey=a, b\r\n");
        file.close();
        QtSettingsBacking backing(path);
        SettingsStore store(backing);
        // An empty key reads as empty, not as its default.
        QCOMPARE(store.read(SettingKey::SoundOk), QString());
        // Whatever a sound's name holds comes back whole and cannot break the file apart.
        const QString name = QString::fromUtf8(" C:\\n\\\xe9\x9f\xb3\r\n[Information]; x, \"y\".wav\t");
        store.write(SettingKey::SoundOk, name);
        store.flush();
        // Read from a copy, which Qt has not cached: what the next run reads.
        const QString copy = m_dir.filePath(QStringLiteral("copy.ini"));
        QVERIFY(QFile::copy(path, copy));
        QtSettingsBacking later(copy);
        SettingsStore reread(later);
        QCOMPARE(reread.read(SettingKey::SoundOk), name);
        QCOMPARE(reread.read(SettingKey::SoundWrong), QStringLiteral("@ByteArray(a, \"b\".wav)"));
        QCOMPARE(reread.read(SettingKey::PlaySounds), QStringLiteral("0"));
        QCOMPARE(reread.read(SettingKey::UseSequence), QStringLiteral("1")); // missing from its section: the default
        QCOMPARE(reread.read(SettingKey::Shown), QStringLiteral("12"));
        QCOMPARE(later.read(QStringLiteral("Elsewhere"), QStringLiteral("Key")), std::optional<QString>(QStringLiteral("a, b")));
    }
};

QTEST_MAIN(TestSettings)
#include "test_settings.moc"
