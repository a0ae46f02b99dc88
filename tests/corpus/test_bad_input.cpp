// What teachers' own files do to the program: each case says what the user sees, and none may
// crash, hang, lose settings or fail silently.

#include "options/TriStateCheckBox.h"
#include "options/frmApertura.h"
#include "platform/SettingsBacking.h"
#include "platform/SoundPlayer.h"
#include "settings/SettingsStore.h"
#include "support/ExerciseFixture.h"

#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>
#include <QTemporaryDir>

#include <unistd.h>

using namespace tessarine;
using testing::encoded;
using testing::Exercise;
using testing::Options;
using testing::photo;

namespace {

QByteArray withDeclaredSize(QByteArray jpeg, int width, int height)
{
    const qsizetype frame = jpeg.indexOf(QByteArray("\xff\xc0", 2));
    jpeg[frame + 5] = char(height >> 8);
    jpeg[frame + 6] = char(height & 0xff);
    jpeg[frame + 7] = char(width >> 8);
    jpeg[frame + 8] = char(width & 0xff);
    return jpeg;
}

Options plainOptions()
{
    Options options;
    options.sequence = false;
    return options;
}

// The options window over a real settings file at `file`, in a throw-away program folder.
struct OptionsOnFile {
    explicit OptionsOnFile(const QString& file)
        : platform(folder.path())
        , settings(file)
        , module(platform.messageBox, platform.random)
    {
        folder.addFile(QStringLiteral("Sounds"), QStringLiteral("ok.wav"), "RIFF");
        Platform services = platform.platform();
        frmApertura::Actions actions;
        actions.openExercise = [](QPointer<QWidget>&) {};
        window = new frmApertura(module,
                                 {services.messageBox, services.listing, services.pictures, services.random, services.sound,
                                  settings, services.lifetime, services.program},
                                 actions);
        window->show();
    }
    ~OptionsOnFile() { delete window; }

    testing::MediaFolder folder;
    doubles::TestPlatform platform;
    QtSettingsBacking settings;
    Module1 module;
    QPointer<frmApertura> window;
};

QByteArray fileContent(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestBadInput : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The object picture is the bad file; the other pictures are fine.
    void objectPictures_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("seen"); // the start of the report, or "" when the picture shows
        const QByteArray jpeg = encoded(photo({64, 48}), "JPG");
        const QString invalid = QStringLiteral("Run-time error '481': Invalid picture ");
        QTest::newRow("zero bytes") << QByteArray() << invalid;
        QTest::newRow("text named .jpg") << QByteArray("Dear parents,\nthe trip is on Monday.\n") << invalid;
        QTest::newRow("truncated JPEG") << jpeg.left(jpeg.size() * 2 / 3) << invalid;
        QTest::newRow("declares 60000 by 60000") << withDeclaredSize(jpeg, 60000, 60000) << invalid;
        QTest::newRow("declares 0 by 0") << withDeclaredSize(jpeg, 0, 0) << invalid;
        QTest::newRow("only the JPEG header") << jpeg.left(2) << invalid;
        QTest::newRow("random bytes") << QByteArray(4096, '\xa7') << invalid;
        QTest::newRow("PNG named .jpg") << encoded(photo({64, 48}), "PNG") << QString();
        QTest::newRow("BMP named .jpg") << encoded(photo({64, 48}), "BMP") << QString();
        QTest::newRow("progressive JPEG") << encoded(photo({64, 48}), "JPG", true) << QString();
        QTest::newRow("grey-scale JPEG") << encoded(photo({64, 48}, QImage::Format_Grayscale8), "JPG") << QString();
        QTest::newRow("1 by 1 picture") << encoded(photo({1, 1}), "JPG") << QString();
        QFile cmyk(QStringLiteral(TESSARINE_TEST_DATA "/cmyk.jpg"));
        QVERIFY(cmyk.open(QIODevice::ReadOnly));
        QTest::newRow("CMYK JPEG") << cmyk.readAll() << QString();
    }
    void objectPictures()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, seen);
        Exercise exercise({}, {"cup.jpg", "pen.jpg"}, {"colour.red.jpg", "colour.blue.jpg"}, plainOptions());
        exercise.folder.addFile(QStringLiteral("Images"), QStringLiteral("cup.colour.red.jpg"), content);
        const std::optional<RuntimeError> failure = exercise.open();
        exercise.changeSet();
        frmMain& w = *exercise.window;
        QVERIFY(w.isVisible());
        if (seen.isEmpty()) {
            QVERIFY(!failure);
            QVERIFY(exercise.platform.messageBox.shown.isEmpty());
            QCOMPARE(w.Immagine->picture().size(), w.Immagine->pictureSize());
            QCOMPARE(w.lblImmagine->text(), QStringLiteral("CUP RED"));
        } else {
            QVERIFY(failure);
            QCOMPARE(exercise.platform.messageBox.shown.size(), 1);
            const QString& report = exercise.platform.messageBox.shown[0];
            QVERIFY2(report.startsWith(seen) && report.contains(QStringLiteral("cup.colour.red.jpg")), qPrintable(report));
            QVERIFY(w.Immagine->picture().isNull());
        }
    }

    void filesThatGoAway()
    {
        // A link that leads nowhere is not a picture at all: it is not listed.
        {
            Exercise exercise({"cup.colour.red.jpg"}, {"cup.jpg", "pen.jpg"}, {"colour.red.jpg", "colour.blue.jpg"},
                              plainOptions());
            QVERIFY(QFile::link(QStringLiteral("/nonexistent/pen.colour.blue.jpg"),
                                exercise.folder.subFolder(QStringLiteral("Images")) + QStringLiteral("/pen.colour.blue.jpg")));
            QVERIFY(!exercise.open());
            QCOMPARE(exercise.module.NumImmagini, 1);
            QCOMPARE(exercise.module.ElencoImmagini[1], QStringLiteral("cup.colour.red.jpg"));
        }
        // A picture removed after the folder was read is reported by name when its turn comes. The
        // set prepared before it went still shows as it was decoded.
        {
            Exercise exercise({"cup.colour.red.jpg"}, {"cup.jpg", "pen.jpg"}, {"colour.red.jpg", "colour.blue.jpg"},
                              plainOptions());
            QVERIFY(!exercise.open());
            QTRY_VERIFY(exercise.window->nextSetReady());
            QVERIFY(QFile::remove(exercise.folder.subFolder(QStringLiteral("Symbols")) + QStringLiteral("/pen.jpg")));
            exercise.changeSet();
            QVERIFY(exercise.platform.messageBox.shown.isEmpty());
            exercise.changeSet();
            QCOMPARE(exercise.platform.messageBox.shown.size(), 1);
            QVERIFY2(exercise.platform.messageBox.shown[0].startsWith(QStringLiteral("Run-time error '53': File not found: ")),
                     qPrintable(exercise.platform.messageBox.shown[0]));
            QVERIFY(exercise.window->isVisible());
        }
        // A folder whose permissions forbid reading it is reported, not taken for empty.
        if (geteuid() != 0) {
            Exercise exercise({"cup.colour.red.jpg"}, {"cup.jpg", "pen.jpg"}, {"colour.red.jpg"}, plainOptions());
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
        QTest::addColumn<int>("reports");
        QTest::newRow("spaces") << QStringList{"ice cream.colour.light blue.jpg"} << QStringList{"ice cream.jpg", "pen.jpg"}
                                << QStringList{"colour.light blue.jpg", "colour.red.jpg"} << "ICE CREAM LIGHT BLUE"
                                << "ice cream.jpg"
                                << "colour.light blue.jpg" << 0;
        QTest::newRow("quotes") << QStringList{"o'neil's \"cup\".colour.red.jpg"}
                                << QStringList{"O'NEIL'S \"CUP\".jpg", "pen.jpg"}
                                << QStringList{"colour.red.jpg", "colour.blue.jpg"} << "O'NEIL'S \"CUP\" RED"
                                << "O'NEIL'S \"CUP\".jpg"
                                << "colour.red.jpg" << 0;
        QTest::newRow("non-Latin letters") << QStringList{"чашка.цвет.красный.jpg"} << QStringList{"ЧАШКА.jpg", "ручка.jpg"}
                                           << QStringList{"Цвет.Красный.jpg", "цвет.синий.jpg"} << "ЧАШКА КРАСНЫЙ"
                                           << "ЧАШКА.jpg"
                                           << "Цвет.Красный.jpg" << 0;
        QTest::newRow("accents") << QStringList{"café.couleur.écru.jpg"} << QStringList{"CAFÉ.jpg", "thé.jpg"}
                                 << QStringList{"couleur.ÉCRU.jpg", "couleur.noir.jpg"} << "CAFÉ ÉCRU"
                                 << "CAFÉ.jpg"
                                 << "couleur.ÉCRU.jpg" << 0;
        // ".." splits into empty parts: nothing matches, but nothing breaks either (any attribute
        // may be the distractor: the distractors are drawn regardless of category here).
        QTest::newRow("two dots") << QStringList{"cup..jpg"} << QStringList{"cup.jpg", "pen.jpg"}
                                  << QStringList{"colour.red.jpg", "colour.blue.jpg"} << "CUP JPG"
                                  << "cup.jpg"
                                  << "" << 0;
        // Names that differ only in letter case are one symbol: the first listed is shown.
        QTest::newRow("objects differing in letter case only")
            << QStringList{"cup.colour.red.jpg", "CUP.COLOUR.RED.jpg"} << QStringList{"cup.jpg", "pen.jpg"}
            << QStringList{"colour.red.jpg", "colour.blue.jpg"} << "CUP RED"
            << "cup.jpg"
            << "colour.red.jpg" << 0;
        // Names are text, never markup: the caption shows the angle brackets.
        QTest::newRow("markup") << QStringList{"<b>cup.colour.red.jpg"} << QStringList{"<b>cup.jpg", "pen.jpg"}
                                << QStringList{"colour.red.jpg", "colour.blue.jpg"} << "<B>CUP RED"
                                << "<b>cup.jpg"
                                << "colour.red.jpg" << 0;
        QTest::newRow("letter case only") << QStringList{"cup.colour.red.jpg"} << QStringList{"cup.jpg", "CUP.jpg", "pen.jpg"}
                                          << QStringList{"colour.red.jpg", "colour.blue.jpg"} << "CUP RED"
                                          << "CUP.jpg"
                                          << "colour.red.jpg" << 0;
    }
    void oddNames()
    {
        QFETCH(QStringList, images);
        QFETCH(QStringList, symbols);
        QFETCH(QStringList, attributes);
        QFETCH(QString, caption);
        QFETCH(QString, rightSymbol);
        QFETCH(QString, rightAttribute);
        QFETCH(int, reports);
        Options options = plainOptions();
        options.sameCategory = false;
        Exercise exercise(images, symbols, attributes, options);
        QVERIFY(!exercise.open());
        for (int set = 0; set < 10; ++set) {
            frmMain& w = *exercise.window;
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
        QCOMPARE(exercise.platform.messageBox.shown.size(), reports);
    }

    void moreThanAThousandObjects()
    {
        Exercise exercise({}, {"cup.jpg", "pen.jpg"}, {"colour.red.jpg", "colour.blue.jpg"}, plainOptions());
        QStringList names;
        for (int i = 0; i < 1001; ++i)
            names << QStringLiteral("cup.colour.red.%1.jpg").arg(i, 4, 10, QLatin1Char('0'));
        exercise.folder.addPictures(QStringLiteral("Images"), names);
        // One report for the picture that does not fit, then the exercise works on the first 1000.
        QVERIFY(!exercise.open());
        QCOMPARE(exercise.platform.messageBox.shown,
                 QStringList({"Error \"Position out of range\" in CaricaImmagini() routine"}));
        QCOMPARE(exercise.module.NumImmagini, 1000);
        for (int set = 0; set < 50; ++set) {
            QVERIFY(exercise.window->Immagine->sourceName() != names.last());
            QVERIFY(!exercise.window->Immagine->picture().isNull());
            exercise.changeSet();
        }
        QCOMPARE(exercise.platform.messageBox.shown.size(), 1);
    }

    // Settings files the program did not write, or cannot write.
    void settingsFiles_data()
    {
        QTest::addColumn<QByteArray>("content"); // "(none)" for a folder that does not exist yet
        QByteArray binary;
        for (int i = 0; i < 4096; ++i)
            binary.append(char((i * 131 + 7) % 256));
        QByteArray huge = "[Other]\n";
        while (huge.size() < 8 * 1024 * 1024)
            huge += "SomeKey" + QByteArray::number(huge.size()) + "=some value, with \"quotes\"\n";
        QTest::newRow("garbage text") << QByteArray("<<<< merge conflict\n]]]=[[[\n= no key\nUseSequence=0\n");
        QTest::newRow("binary") << binary;
        QTest::newRow("huge") << huge;
        QTest::newRow("missing folder") << QByteArray("(none)");
    }
    void settingsFiles()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir home;
        const QString file = home.filePath(QStringLiteral("not/yet/there/Corvaldi-Tessarine.ini"));
        if (content != "(none)") {
            QVERIFY(QDir().mkpath(QFileInfo(file).path()));
            QFile raw(file);
            QVERIFY(raw.open(QIODevice::WriteOnly) && raw.write(content) == content.size());
        }
        {
            // What the user sees: the first-run options, without a message.
            OptionsOnFile options(file);
            QCOMPARE(options.window->chkSequenza->checkState(), Qt::Checked);
            QVERIFY(options.window->Option1->isChecked());
            QCOMPARE(options.window->cboSoundOK->currentText(), QStringLiteral("ok.wav"));
            options.window->close();
            QVERIFY(options.platform.messageBox.shown.isEmpty());
        }
        // Closing wrote a settings file that reads back whole.
        QtSettingsBacking written(file);
        SettingsStore store(written);
        QCOMPARE(store.read(SettingKey::UseSequence), QStringLiteral("1"));
        QCOMPARE(store.read(SettingKey::SoundOk), QStringLiteral("ok.wav"));
        QCOMPARE(store.read(SettingKey::Year), QStringLiteral("2009"));
    }

    void storedValues_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("message");
        const QString typeMismatch = QStringLiteral("Error \"Type mismatch\" in Form_Load() routine");
        QTest::newRow("comma") << QByteArray("UseSequence=1,0") << int(Qt::Unchecked) << typeMismatch;
        QTest::newRow("quotes") << QByteArray("UseSequence=\"1\"") << int(Qt::Unchecked) << typeMismatch;
        QTest::newRow("spaces") << QByteArray("UseSequence =  1  ") << int(Qt::Checked) << QString();
        QTest::newRow("leading zeros") << QByteArray("UseSequence=0001") << int(Qt::Checked) << QString();
        QTest::newRow("plus sign") << QByteArray("UseSequence=+1") << int(Qt::Checked) << QString();
        QTest::newRow("minus one") << QByteArray("UseSequence=-1") << int(Qt::Unchecked)
                                   << QStringLiteral("Error \"Invalid property value\" in Form_Load() routine");
        QTest::newRow("32768") << QByteArray("UseSequence=32768") << int(Qt::Unchecked)
                               << QStringLiteral("Error \"Overflow\" in Form_Load() routine");
    }
    void storedValues()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, state);
        QFETCH(QString, message);
        QTemporaryDir home;
        const QString file = home.filePath(QStringLiteral("Corvaldi-Tessarine.ini"));
        QFile raw(file);
        QVERIFY(raw.open(QIODevice::WriteOnly));
        raw.write("[GeneralSettings]\nSoundOk=ok.wav, \"the old one\"\n" + line + "\n");
        raw.close();
        OptionsOnFile options(file);
        QCOMPARE(options.window->chkSequenza->checkState(), Qt::CheckState(state));
        QCOMPARE(options.platform.messageBox.shown, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(options.module.UseSequence, state == Qt::Checked);
        options.window->close();
        // What was shown is what is stored: the value as the program writes it.
        QVERIFY(fileContent(file).contains(state == Qt::Checked ? "UseSequence=1\n" : "UseSequence=0\n"));
    }

    void soundsThatCannotPlay_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("zero bytes") << QByteArray();
        QTest::newRow("RIFF header only") << QByteArray("RIFF\x24\0\0\0WAVE", 12);
        QTest::newRow("not a wave file") << encoded(photo({8, 8}), "PNG");
        QTest::newRow("text") << QByteArray("ding dong");
        QTest::newRow("data size beyond the file") << QByteArray("RIFF\xff\xff\xff\x7fWAVEfmt \x10\0\0\0\x01\0\x01\0"
                                                                 "\x22\x56\0\0\x44\xac\0\0\x02\0\x10\0data\xff\xff\xff\x7f",
                                                                 44);
    }
    void soundsThatCannotPlay()
    {
        QFETCH(QByteArray, content);
        // In the exercise: the right answer still leads on, in silence, without a message.
        Options options;
        options.symbolDistractor = false;
        options.attributeDistractor = false;
        Exercise exercise({"cup.colour.red.jpg"}, {"cup.jpg"}, {"colour.red.jpg"}, options);
        exercise.folder.addFile(QStringLiteral("Sounds"), QStringLiteral("ok.wav"), content);
        QVERIFY(!exercise.open());
        QtSoundPlayer player;
        player.play(exercise.sound("ok.wav"));
        exercise.click(exercise.window->Simbolo[0]);
        QVERIFY(exercise.window->Frame2->isVisible());
        QVERIFY(exercise.platform.messageBox.shown.isEmpty());
    }
};

QTEST_MAIN(TestBadInput)
#include "test_bad_input.moc"
