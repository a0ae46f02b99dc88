#include "platform/SettingsBacking.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace tessarine;

namespace {

// A settings file in a throw-away folder, opened as the program opens its own.
class SettingsFile {
public:
    SettingsFile() { reopen(); }

    QString path() const { return m_dir.filePath(QStringLiteral("Corvaldi-Tessarine.ini")); }
    void reopen()
    {
        store.reset();
        backing = std::make_unique<QtSettingsBacking>(path());
        store = std::make_unique<SettingsStore>(*backing);
    }
    void writeRaw(const QByteArray& content)
    {
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        reopen();
    }
    QByteArray raw() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    std::unique_ptr<QtSettingsBacking> backing;
    std::unique_ptr<SettingsStore> store;

private:
    QTemporaryDir m_dir;
};

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void storeIsPerUserUnderTheConfigFolder()
    {
        QTemporaryDir config;
        const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        const QString path = QtSettingsBacking::defaultFilePath(SettingsStore::ApplicationName);
        qputenv("XDG_CONFIG_HOME", saved);
        QCOMPARE(path, config.filePath(QStringLiteral("Corvaldi-Tessarine.ini")));

        // The folder is made on the first save if the user has none yet.
        const QString nested = config.filePath(QStringLiteral("new/Corvaldi-Tessarine.ini"));
        QtSettingsBacking backing(nested);
        SettingsStore store(backing);
        store.write(SettingKey::UseSequence, QStringLiteral("0"));
        store.write(SettingKey::Year, QStringLiteral("2009"));
        store.flush();
        QFile file(nested);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("[GeneralSettings]\nUseSequence=0\n\n[Information]\nYear=2009\n"));
    }

    void missingKeysReadAsDefaultsEmptyOnesAsEmpty()
    {
        SettingsFile file;
        const QList<QPair<SettingKey, QString>> defaults{{SettingKey::ShowSymbolsDistractor, "1"},
                                                         {SettingKey::ShowAttributesDistractor, "1"},
                                                         {SettingKey::UseSequence, "1"},
                                                         {SettingKey::SameCategoryAttributes, "S"},
                                                         {SettingKey::PlaySounds, "1"},
                                                         {SettingKey::SoundOk, "ok.wav"},
                                                         {SettingKey::SoundWrong, "error.wav"},
                                                         {SettingKey::Shown, "0"},
                                                         {SettingKey::CorrectAnswers, "0"},
                                                         {SettingKey::WrongAnswers, "0"},
                                                         {SettingKey::Author, ""},
                                                         {SettingKey::Website, ""}};
        for (const auto& [key, value] : defaults)
            QCOMPARE(file.store->read(key), value);

        // Keys stored with nothing after the "=" are the empty text, whatever their default. The
        // same key in another section does not count.
        file.writeRaw("[GeneralSettings]\r\nSoundOk=\r\nSoundWrong =  \r\nPlaySounds=0\r\n"
                      "[Statistics]\nUseSequence=0\n");
        QCOMPARE(file.store->read(SettingKey::SoundOk), QString());
        QCOMPARE(file.store->read(SettingKey::SoundWrong), QString());
        QCOMPARE(file.store->read(SettingKey::PlaySounds), QStringLiteral("0"));
        QCOMPARE(file.store->read(SettingKey::UseSequence), QStringLiteral("1"));
        QCOMPARE(file.store->read(SettingKey::Shown), QStringLiteral("0"));
    }

    void handWrittenValuesAreText_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("value");
        QTest::newRow("comma") << QByteArray("a, b.wav") << "a, b.wav";
        QTest::newRow("quotes") << QByteArray("\"ok.wav\"") << "\"ok.wav\"";
        QTest::newRow("quoted comma") << QByteArray("\"a,b\"") << "\"a,b\"";
        QTest::newRow("Qt's own notation") << QByteArray("@ByteArray(ok.wav)") << "@ByteArray(ok.wav)";
        QTest::newRow("Qt's own empty value") << QByteArray("@Invalid()") << "@Invalid()";
        QTest::newRow("percent escapes") << QByteArray("%U00E9.wav") << "%U00E9.wav";
        QTest::newRow("equals sign") << QByteArray("a=b") << "a=b";
        QTest::newRow("semicolon") << QByteArray("a;b") << "a;b";
        QTest::newRow("blanks around") << QByteArray("  ok.wav  ") << "ok.wav";
        QTest::newRow("UTF-8") << QByteArray("canci\xc3\xb3n.wav") << QString::fromUtf8("canci\xc3\xb3n.wav");
    }
    void handWrittenValuesAreText()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, value);
        SettingsFile file;
        file.writeRaw("; written by hand\n[GeneralSettings]\nSoundOk=" + line + "\nnot a setting\n");
        QCOMPARE(file.store->read(SettingKey::SoundOk), value);
        QCOMPARE(file.store->read(SettingKey::SoundWrong), QStringLiteral("error.wav"));
    }

    void valuesComeBackAsWritten_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("empty") << "";
        QTest::newRow("comma") << "a, b.wav";
        QTest::newRow("quotes") << "\"ok.wav\"";
        QTest::newRow("blanks at both ends") << "  ok .wav\t";
        QTest::newRow("backslashes") << "C:\\Sounds\\";
        QTest::newRow("escape look-alike") << "\\s\\n";
        QTest::newRow("line breaks") << "one\r\ntwo\n";
        QTest::newRow("section look-alike") << "[Information]";
        QTest::newRow("comment look-alike") << "; # x";
        QTest::newRow("non-Latin") << QString::fromUtf8("\xe9\x9f\xb3.wav");
    }
    void valuesComeBackAsWritten()
    {
        QFETCH(QString, value);
        SettingsFile file;
        file.store->write(SettingKey::SoundOk, value);
        file.store->write(SettingKey::SoundWrong, QStringLiteral("error.wav"));
        file.store->flush();
        file.reopen();
        QCOMPARE(file.store->read(SettingKey::SoundOk), value);
        QCOMPARE(file.store->read(SettingKey::SoundWrong), QStringLiteral("error.wav"));
        // One line per key: nothing a value holds can break the file apart.
        QCOMPARE(file.raw().count('\n'), 3);
    }

    void savingKeepsWhatOthersStored()
    {
        SettingsFile file;
        file.writeRaw("[Statistics]\nShown=12\n\n[GeneralSettings]\nUseSequence=2\nSoundOk=bell.wav\n"
                      "[Elsewhere]\nKey=value, with comma\n");
        file.store->write(SettingKey::SoundOk, QStringLiteral("ok.wav"));
        file.store->flush();
        file.reopen();
        QCOMPARE(file.store->read(SettingKey::SoundOk), QStringLiteral("ok.wav"));
        QCOMPARE(file.store->read(SettingKey::UseSequence), QStringLiteral("2"));
        QCOMPARE(file.store->read(SettingKey::Shown), QStringLiteral("12"));
        QCOMPARE(file.backing->read(QStringLiteral("Elsewhere"), QStringLiteral("Key")),
                 std::optional<QString>(QStringLiteral("value, with comma")));
    }
};

QTEST_MAIN(TestSettings)
#include "test_settings.moc"
