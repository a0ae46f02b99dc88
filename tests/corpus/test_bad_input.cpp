// What teachers' own files do to the program: each case says what the user sees, and none may
// crash, hang, lose settings or fail silently.

#include "options/frmApertura.h"
#include "platform/SettingsBacking.h"
#include "platform/SoundPlayer.h"
#include "support/ExerciseFixture.h"
#include "support/OptionsFixture.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>

#include <unistd.h>

using namespace tessarine;
using namespace tessarine::testing;

namespace {

QByteArray withDeclaredSize(QByteArray jpeg, int width, int height)
{
    const char size[] = {char(height >> 8), char(height), char(width >> 8), char(width)};
    return jpeg.replace(jpeg.indexOf(QByteArray("\xff\xc0", 2)) + 5, 4, size, 4);
}

// A settings file that holds `key` alone, with `value`.
QByteArray only(SettingKey key, const char* value)
{
    const SettingDefinition& def = SettingsStore::definition(key);
    return "[" + def.section.toUtf8() + "]\n" + def.name.toUtf8() + "=" + value + "\n";
}

void row(const char* name, const QByteArray& content, SettingKey key, const char* shown, const QString& message = {},
         const char* unwritable = "")
{
    QTest::newRow(name) << content << int(key) << QString::fromLatin1(shown) << message << QString::fromLatin1(unwritable);
}

} // namespace

class TestBadInput : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The object picture is the bad file (truncated, progressive, CMYK: test_picture_loader).
    void objectPictures_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("shows"); // or is reported by name
        const QByteArray jpeg = encoded(photo({64, 48}), "JPG");
        QTest::newRow("zero bytes") << QByteArray() << false;
        QTest::newRow("text named .jpg") << QByteArray("Dear parents,\nthe trip is on Monday.\n") << false;
        QTest::newRow("declares 60000 by 60000") << withDeclaredSize(jpeg, 60000, 60000) << false;
        QTest::newRow("declares 0 by 0") << withDeclaredSize(jpeg, 0, 0) << false;
        QTest::newRow("PNG named .jpg") << encoded(photo({64, 48}), "PNG") << true;
        QTest::newRow("grey-scale JPEG") << encoded(photo({64, 48}, QImage::Format_Grayscale8), "JPG") << true;
        QTest::newRow("1 by 1 picture") << encoded(photo({1, 1}), "JPG") << true;
    }
    void objectPictures()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, shows);
        Exercise exercise({}, {"cup.jpg", "pen.jpg"}, {"colour.red.jpg", "colour.blue.jpg"});
        exercise.folder.addFile(QStringLiteral("Images"), QStringLiteral("cup.colour.red.jpg"), content);
        QCOMPARE(exercise.open().has_value(), !shows);
        exercise.changeSet();
        frmMain& w = *exercise.window;
        QVERIFY(w.isVisible());
        QCOMPARE(w.Immagine->picture().isNull(), !shows);
        QVERIFY(!shows || (w.Immagine->picture().size() == w.Immagine->pictureSize() && w.lblImmagine->text() == u"CUP RED"));
        const QStringList& shown = exercise.platform.messageBox.shown;
        QVERIFY2(shows ? shown.isEmpty()
                       : shown.size() == 1 && shown[0].startsWith(QStringLiteral("Run-time error '481': Invalid picture "))
                             && shown[0].contains(QStringLiteral("cup.colour.red.jpg")),
                 qPrintable(shown.join(u'\n')));
    }

    void filesThatGoAway()
    {
        // A link that leads nowhere is not a picture at all: it is not listed.
        {
            Exercise exercise({"cup.colour.red.jpg"}, {"cup.jpg", "pen.jpg"}, {"colour.red.jpg", "colour.blue.jpg"});
            QVERIFY(QFile::link(QStringLiteral("/nonexistent/pen.colour.blue.jpg"),
                                exercise.folder.subFolder(QStringLiteral("Images")) + QStringLiteral("/pen.colour.blue.jpg")));
            QVERIFY(!exercise.open());
            QCOMPARE(exercise.module.NumImmagini, 1);
            QCOMPARE(exercise.module.ElencoImmagini[1], QStringLiteral("cup.colour.red.jpg"));
        }
        // A picture removed after the folder was read is reported when its turn comes, not in the set prepared before.
        {
            Exercise exercise({"cup.colour.red.jpg"}, {"cup.jpg", "pen.jpg"}, {"colour.red.jpg", "colour.blue.jpg"});
            QVERIFY(!exercise.open());
            QTRY_VERIFY(exercise.window->nextSetReady());
            QVERIFY(QFile::remove(exercise.folder.subFolder(QStringLiteral("Symbols")) + QStringLiteral("/pen.jpg")));
            exercise.changeSet();
            QVERIFY(exercise.platform.messageBox.shown.isEmpty());
            exercise.changeSet();
            const QStringList& shown = exercise.platform.messageBox.shown;
            QVERIFY2(shown.size() == 1 && shown[0].startsWith(QStringLiteral("Run-time error '53': File not found: ")),
                     qPrintable(shown.join(u'\n')));
            QVERIFY(exercise.window->isVisible());
        }
        // A folder whose permissions forbid reading it is reported, not taken for empty.
        if (geteuid() != 0) {
            Exercise exercise({"cup.colour.red.jpg"}, {"cup.jpg", "pen.jpg"}, {"colour.red.jpg"});
            const QString symbols = exercise.folder.subFolder(QStringLiteral("Symbols"));
            QVERIFY(QFile::setPermissions(symbols, QFileDevice::WriteOwner));
            exercise.open();
            QFile::setPermissions(symbols, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            QVERIFY(exercise.platform.messageBox.shown.contains(
                QStringLiteral("Error \"Folder cannot be read: %1\" in CaricaSimboli() routine").arg(symbols)));
        }
    }

    void oddNames_data()
    {
        QTest::addColumn<QStringList>("images");
        QTest::addColumn<QStringList>("symbols");
        QTest::addColumn<QStringList>("attributes");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("rightSymbol");
        QTest::addColumn<QString>("rightAttribute");
        const auto row = [](const char* name, const QStringList& images, const QStringList& symbols,
                            const QStringList& attributes, const char* caption, const char* symbol, const char* attribute) {
            QTest::newRow(name) << images << symbols << attributes << QString(caption) << QString(symbol) << QString(attribute);
        };
        // Names are text, never markup: the caption shows the angle brackets.
        row("spaces, quotes, markup", {"<b>o'neil's \"ice cream\".colour.light blue.jpg"},
            {"<B>O'NEIL'S \"ICE CREAM\".jpg", "pen.jpg"}, {"colour.light blue.jpg", "colour.red.jpg"},
            "<B>O'NEIL'S \"ICE CREAM\" LIGHT BLUE", "<B>O'NEIL'S \"ICE CREAM\".jpg", "colour.light blue.jpg");
        row("non-Latin letters", {"чашка.цвет.красный.jpg"}, {"ЧАШКА.jpg", "ручка.jpg"}, {"Цвет.Красный.jpg", "цвет.синий.jpg"},
            "ЧАШКА КРАСНЫЙ", "ЧАШКА.jpg", "Цвет.Красный.jpg");
        // ".." splits into empty parts: nothing matches, but nothing breaks either.
        row("two dots", {"cup..jpg"}, {"cup.jpg", "pen.jpg"}, {"colour.red.jpg", "colour.blue.jpg"}, "CUP JPG", "cup.jpg", "");
        // Names that differ only in letter case are one symbol: the first listed is shown.
        row("letter case only", {"cup.colour.red.jpg"}, {"cup.jpg", "CUP.jpg", "pen.jpg"}, {"colour.red.jpg", "colour.blue.jpg"},
            "CUP RED", "CUP.jpg", "colour.red.jpg");
    }
    void oddNames()
    {
        QFETCH(QStringList, images);
        QFETCH(QStringList, symbols);
        QFETCH(QStringList, attributes);
        QFETCH(QString, caption);
        QFETCH(QString, rightSymbol);
        QFETCH(QString, rightAttribute);
        Exercise exercise(images, symbols, attributes, {.sameCategory = false, .sequence = false});
        QVERIFY(!exercise.open());
        frmMain& w = *exercise.window;
        for (int set = 0; set < 10; ++set) {
            QCOMPARE(w.lblImmagine->text(), caption);
            QCOMPARE(w.lblImmagine->textFormat(), Qt::PlainText);
            const int symbol = Exercise::rightElement(w.Simbolo);
            const int attribute = Exercise::rightElement(w.Attributo);
            QCOMPARE(symbol < 0 ? QString() : w.Simbolo[symbol]->sourceName(), rightSymbol);
            QCOMPARE(attribute < 0 ? QString() : w.Attributo[attribute]->sourceName(), rightAttribute);
            if (symbol >= 0)
                QCOMPARE(w.Simbolo[1 - symbol]->sourceName(), symbols.last());
            exercise.changeSet();
        }
        QVERIFY(exercise.platform.messageBox.shown.isEmpty());
    }

    // Settings files the program did not write or cannot write, and values edited by hand: the option
    // `key` as the window shows it, closing stores it and the run uses it (third state "2", "S" for
    // "Same category of image", "" for "*** NO SOUND ***"). A file that cannot be written is left whole.
    void settingsFiles_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: no file
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("message");    // of the opening
        QTest::addColumn<QString>("unwritable"); // what keeps the file from being saved, if anything
        const QString load = QStringLiteral(" in Form_Load() routine");
        const SettingKey sequence = SettingKey::UseSequence;
        row("symbols 0", only(SettingKey::ShowSymbolsDistractor, "0"), SettingKey::ShowSymbolsDistractor, "0");
        row("sequence 3", only(sequence, "3"), sequence, "0", "Error \"Invalid property value\"" + load);
        row("sequence 40000", only(sequence, "40000"), sequence, "0", "Error \"Overflow\"" + load);
        row("sequence in quotes", only(sequence, "\"1\""), sequence, "0", "Error \"Type mismatch\"" + load);
        row("sequence with a plus sign", only(sequence, "+1"), sequence, "1");
        row("sounds 2", only(SettingKey::PlaySounds, "2"), SettingKey::PlaySounds, "2");
        row("sounds empty", only(SettingKey::PlaySounds, ""), SettingKey::PlaySounds, "1",
            "Error \"Type mismatch\" in CaricaSuoni() routine");
        row("same category missing", QByteArray(), SettingKey::SameCategoryAttributes, "S");
        row("same category s", only(SettingKey::SameCategoryAttributes, "s"), SettingKey::SameCategoryAttributes, "N");
        row("sound file gone", only(SettingKey::SoundWrong, "chime.wav"), SettingKey::SoundWrong, "");
        row("sound with a twin, exact", only(SettingKey::SoundWrong, "bell.wav"), SettingKey::SoundWrong, "bell.wav");
        row("sound with a twin, other case", only(SettingKey::SoundOk, "BELL.wav"), SettingKey::SoundOk, "Bell.wav");
        QByteArray huge = "[Other]\n";
        while (huge.size() < 8 * 1024 * 1024)
            huge += "SomeKey" + QByteArray::number(huge.size()) + "=some value, with \"quotes\"\n";
        row("garbage text", "<<<< merge conflict\n]]]=[[[\n= no key\nUseSequence=0\n", sequence, "1");
        row("binary", encoded(photo({64, 48}), "PNG"), sequence, "1");
        row("huge", huge, sequence, "1");
        row("read-only file", only(sequence, "0"), sequence, "0", {}, "file");
        row("read-only folder", only(sequence, "0"), sequence, "0", {}, "folder");
        row("folder is a file", QByteArray(), sequence, "1", {}, "blocked");
    }
    void settingsFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, key);
        QFETCH(QString, shown);
        QFETCH(QString, message);
        QFETCH(QString, unwritable);
        if ((unwritable == u"file" || unwritable == u"folder") && geteuid() == 0)
            QSKIP("File permissions do not stop the superuser");
        QTemporaryDir home;
        const QString folder = home.filePath(QStringLiteral("config")), file = folder + QStringLiteral("/Corvaldi-Tessarine.ini");
        if (unwritable == u"blocked") {
            QFile blocker(folder);
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        } else {
            QVERIFY(QDir().mkpath(folder));
            QFile raw(file);
            QVERIFY(content.isNull() || (raw.open(QIODevice::WriteOnly) && raw.write(content) == content.size()));
        }
        QVERIFY(unwritable != u"file" || QFile::setPermissions(file, QFile::ReadOwner));
        QVERIFY(unwritable != u"folder" || QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        QStringList messages = message.isEmpty() ? QStringList() : QStringList{message};
        {
            QtSettingsBacking settings(file);
            OptionsWindow options({"Bell.wav", "bell.wav", "error.wav", "ok.wav"});
            options.settings = &settings;
            frmApertura& w = options.open();
            QVERIFY(w.Option1->isChecked() != w.Option2->isChecked());
            QVERIFY(w.cboSoundOK->currentIndex() >= 0 && w.cboSoundWrong->currentIndex() >= 0);
            w.close();
            if (!unwritable.isEmpty())
                messages << "Error \"The settings cannot be saved to " + file + "\" in Form_Unload() routine";
            QCOMPARE(options.messages(), messages);
            // The run goes on with what was shown; only a checked box sets its flag.
            const Module1& m = *options.module;
            const QString used[] = {m.ShowSymbolsDistractor ? "1" : "0",
                                    m.ShowAttributesDistractor ? "1" : "0",
                                    m.UseSequence ? "1" : "0",
                                    m.SameCategoryAttributes ? "S" : "N",
                                    m.PlaySounds ? "1" : "0",
                                    m.SoundOk,
                                    m.SoundWrong};
            QCOMPARE(used[key], shown == "2" ? "0" : shown);
            QCOMPARE(options.platform.lifetime.ends, 1);
        }
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        if (unwritable == u"blocked")
            return;
        QFile written(file);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray bytes = written.readAll();
        if (!unwritable.isEmpty()) {
            QCOMPARE(bytes, content);
            QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"Corvaldi-Tessarine.ini"});
            return;
        }
        // Stored as shown, as the program writes it.
        const QByteArray line = "\n" + SettingsStore::definition(SettingKey(key)).name.toUtf8() + "=" + shown.toUtf8() + "\n";
        QVERIFY2(bytes.contains(line), line);
    }

    void soundsThatCannotPlay()
    {
        // Through the real player: a wrong answer is still judged, in silence, and the right one leads on.
        Exercise exercise({"cup.colour.red.jpg"}, {"cup.jpg", "pen.jpg"}, {"colour.red.jpg", "colour.blue.jpg"});
        QtSoundPlayer player;
        doubles::TestPlatform& p = exercise.platform;
        frmMain window(exercise.module,
                       {p.messageBox, p.listing, p.pictures, p.random, player, p.settings, p.lifetime, p.program},
                       exercise.decoder);
        window.Form_Load();
        window.show();
        const QList<QByteArray> sounds{QByteArray("RIFF\x24\0\0\0WAVE", 12), encoded(photo({8, 8}), "PNG"),
                                       // A data chunk that claims more than the file holds.
                                       QByteArray("RIFF\xff\xff\xff\x7fWAVEfmt \x10\0\0\0\x01\0\x01\0\x22\x56\0\0\x44\xac\0\0"
                                                  "\x02\0\x10\0data\xff\xff\xff\x7f",
                                                  44)};
        for (qsizetype i = 0; i < sounds.size(); ++i) {
            exercise.module.SoundWrong = QStringLiteral("wrong%1.wav").arg(i);
            exercise.folder.addFile(QStringLiteral("Sounds"), exercise.module.SoundWrong, sounds[i]);
            exercise.click(window.Simbolo[1 - Exercise::rightElement(window.Simbolo)]);
            QTest::qWait(100);
        }
        exercise.click(window.Simbolo[Exercise::rightElement(window.Simbolo)]);
        QVERIFY(window.Frame2->isVisible() && p.messageBox.shown.isEmpty());
    }
};

QTEST_MAIN(TestBadInput)
#include "test_bad_input.moc"
