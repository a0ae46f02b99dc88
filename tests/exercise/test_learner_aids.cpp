// The exercise window with a learner's aids: keys, switches, records, spoken captions, the ring.
#include "access/doubles/AccessDoubles.h"
#include "records/RecordsExport.h"
#include "records/RecordsFixture.h"
#include "records/RecordsStore.h"
#include "speech/SpokenCaption.h"
#include "speech/doubles/SpeechDoubles.h"
#include "support/ExerciseFixture.h"

#include <QBuffer>
#include <QLabel>
#include <QTemporaryDir>
#include <QtEndian>

#include <cmath>

using namespace tessarine;
using namespace tessarine::testing;

namespace {

const QStringList Images{"cup.colour.red.jpg", "pen.colour.blue.jpg"};
const QStringList Symbols{"cup.jpg", "pen.jpg"};
const QStringList Attributes{"colour.red.jpg", "colour.blue.jpg"};

void press(frmMain& w, Qt::Key key) { QTest::keyClick(&w, key); }
bool ringOn(frmMain& w, QWidget* box) { return w.Ring->geometry().contains(box->mapTo(&w, QPoint(0, 0))); }

// A silent PCM wave file that lasts `ms` milliseconds: mono, 8000 one-byte samples a second.
QByteArray wave(int ms)
{
    QByteArray bytes = QByteArray::fromHex("524946460000000057415645"                         // RIFF, size, WAVE
                                           "666d74201000000001000100401f0000401f000001000800" // fmt: PCM, 1, 8000 Hz, 8 bit
                                           "6461746100000000")                                // data, size
                       + QByteArray(ms * 8, '\x80');
    qToLittleEndian<quint32>(bytes.size() - 8, bytes.data() + 4);
    qToLittleEndian<quint32>(ms * 8, bytes.data() + 40);
    return bytes;
}

// WCAG contrast ratio between two colours.
double contrast(const QColor& a, const QColor& b)
{
    const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    const auto luminance = [&](const QColor& c) {
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF()) + 0.05;
    };
    return std::max(luminance(a), luminance(b)) / std::min(luminance(a), luminance(b));
}

} // namespace

class TestLearnerAids : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Keys judged as clicks, the sequence from symbol to attribute to the next set, all recorded.
    void keysAndClicksFollowTheSequenceAndAreRecorded()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("records.sqlite"));
        doubles::RecordingMessageBox reports;
        SessionRecorder recorder(file, reports);
        recorder.sessionStarted({QStringLiteral("Ana"), {}, QStringLiteral("1.0.0"), dir.path()});
        Exercise exercise(Images, Symbols, Attributes, {}, {.log = &recorder, .access = {}});
        // The cup first (the right answers on the second element, the pen and blue as distractors), then the pen.
        exercise.platform.random.values = {0.0f, 0.0f, 0.99f, 0.0f, 0.0f, 0.99f};
        QVERIFY(!exercise.open());
        frmMain& w = *exercise.window;
        // 3 and 4 choose attributes only once the row is there: this press is neither heard nor recorded.
        press(w, Qt::Key_3);
        exercise.click(w.Simbolo[0]);
        QVERIFY(!w.Frame2->isVisible());
        exercise.click(w.Simbolo[1]);
        exercise.click(w.Simbolo[1]);
        QVERIFY(w.Frame2->isVisible());
        press(w, Qt::Key_3);
        QCOMPARE(w.lblImmagine->text(), QStringLiteral("CUP RED"));
        press(w, Qt::Key_4);
        // The caption as shown and as a screen reader reads it.
        QCOMPARE(QStringList({w.lblImmagine->text(), w.lblImmagine->accessibleDescription()}), QStringList(2, "PEN BLUE"));
        QVERIFY(!w.Frame2->isVisible());
        const QString error = exercise.sound("error.wav"), ok = exercise.sound("ok.wav");
        QCOMPARE(exercise.platform.sound.played, QStringList({error, ok, ok, error, ok}));
        // The new set puts the ring back on "Change set"; the arrows move it over what is shown.
        press(w, Qt::Key_Left);
        QVERIFY(ringOn(w, w.Simbolo[1]));
        exercise.changeSet();
        recorder.setEnded(AnswerLog::SetEnd::WindowClosed);
        recorder.sessionEnded();

        // Row, element, file, right, first try: as the learner answered.
        QCOMPARE(sqlRows(file, QStringLiteral("SELECT row, element, file, correct, first_try FROM clicks ORDER BY id")),
                 QStringList({"symbol|0|pen.jpg|0|1", "symbol|1|cup.jpg|1|0", "symbol|1|cup.jpg|1|0",
                              "attribute|0|colour.blue.jpg|0|1", "attribute|1|colour.red.jpg|1|0"}));
        QCOMPARE(sqlRows(file, QStringLiteral("SELECT object, ended_by FROM sets ORDER BY id")).mid(0, 2),
                 QStringList({"cup.colour.red.jpg|next in sequence", "pen.colour.blue.jpg|change set"}));
        QVERIFY(reports.shown.isEmpty());
    }

    // A set that stops with an error is recorded under its own object and caption, not under the
    // picture the set before left on the screen; in the export, its clicks are no first tries.
    void failedSetsAreRecordedUnderTheirOwnObject()
    {
        // The hat's picture is no picture, nor is the pen's symbol, the cup's distractor half the time.
        Exercise exercise(Images, {"cup.jpg", "ball.jpg"}, Attributes);
        exercise.folder.addFile(QStringLiteral("Images"), QStringLiteral("hat.colour.red.jpg"), "not a picture");
        exercise.folder.addFile(QStringLiteral("Symbols"), QStringLiteral("pen.jpg"), "not a picture either");
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("records.sqlite"));
        doubles::RecordingMessageBox reports;
        SessionRecorder recorder(file, reports);
        recorder.sessionStarted({QStringLiteral("Ana"), {}, QStringLiteral("1.0.0"), dir.path()});
        exercise.setAids({.log = &recorder, .access = {}});
        exercise.open();
        QStringList shownObjects{exercise.window->Immagine->sourceName()};
        for (int set = 0; set < 60; ++set) { // the learner answers whatever the window shows
            exercise.click(exercise.window->Simbolo[0]);
            exercise.changeSet();
            shownObjects.append(exercise.window->Immagine->sourceName());
        }
        recorder.setEnded(AnswerLog::SetEnd::WindowClosed);
        recorder.sessionEnded();
        QVERIFY(reports.shown.isEmpty());

        const QMap<QString, QString> captions{
            {"cup.colour.red.jpg", "CUP RED"}, {"pen.colour.blue.jpg", "PEN BLUE"}, {"hat.colour.red.jpg", "HAT RED"}};
        const QStringList sets = sqlRows(
            file, QStringLiteral("SELECT object, caption, symbol_right, symbol_distractor, "
                                 "attribute_right, attribute_distractor, error FROM sets ORDER BY number"));
        QCOMPARE(sets.size(), 61);
        int hatsOverAnother = 0, fullSets = 0;
        for (qsizetype i = 0; i < sets.size(); ++i) {
            const QStringList set = sets[i].split(u'|');
            const QString &object = set[0], &error = set[6];
            const bool hat = error.contains(QStringLiteral("hat.colour.red.jpg"));
            hatsOverAnother += hat && !shownObjects[i].isEmpty();
            fullSets += error.isEmpty();
            QCOMPARE(object, hat ? QStringLiteral("hat.colour.red.jpg") : shownObjects[i]);
            QCOMPARE(set[1], captions.value(object));
            // Only the cup with the ball beside it gets through; the pen stops at its symbol.
            QCOMPARE(error.isEmpty(), object == "cup.colour.red.jpg" && set[3] == "ball.jpg");
            if (hat || error.isEmpty())
                QCOMPARE(set.mid(2, 4).join(u' '), hat ? "   " : "cup.jpg ball.jpg colour.red.jpg colour.blue.jpg");
        }
        QVERIFY(hatsOverAnother > 0 && fullSets > 0);

        RecordsStore store(file);
        QVERIFY(!store.open());
        QBuffer csv;
        csv.open(QIODevice::WriteOnly);
        writeRecordsCsv(store, QStringLiteral("Ana"), csv);
        const QList<QByteArray> lines = csv.data().trimmed().split('\n');
        QCOMPARE(lines.size(), 1 + 60);
        for (const QByteArray& line : lines.mid(1)) {
            const QList<QByteArray> fields = line.trimmed().split(',');
            const QStringList set = sets[fields[2].toInt() - 1].split(u'|');
            QCOMPARE(QString::fromUtf8(fields[3]), set[0]);
            QCOMPARE(fields[8], QByteArray(set[6].isEmpty() ? "1" : "0")); // first try
        }
    }

    // With the sequence, the right attribute's sound is heard to its end before the next set's
    // caption plays on the same player; "Change set" brings its caption at once.
    void rightAnswerSoundIsHeardBeforeTheNextCaption()
    {
        Exercise exercise(Images, Symbols, Attributes);
        exercise.folder.addFile(QStringLiteral("Sounds"), QStringLiteral("ok.wav"), wave(1500));
        for (const char* recording : {"cup.colour.red.wav", "pen.colour.blue.wav"})
            exercise.folder.addFile(QStringLiteral("Images"), QLatin1String(recording), wave(700));
        doubles::FakeClock clock;
        doubles::FakeStepTimer timer(clock);
        doubles::RecordingVoice voice;
        const doubles::FixedAudioOutputs speakers(true);
        SpokenCaption caption(exercise.platform.messageBox, exercise.platform.sound, voice, speakers,
                              exercise.folder.subFolder(QStringLiteral("Images")), clock, timer);
        exercise.setAids({.access = {.spokenCaption = true}, .caption = &caption});
        QVERIFY(!exercise.open());
        frmMain& w = *exercise.window;
        const QStringList& played = exercise.platform.sound.played;
        const auto captionPlayed = [&] {
            return played.last().endsWith(QString(w.Immagine->sourceName()).replace(".jpg", ".wav"));
        };
        QVERIFY(captionPlayed());

        exercise.click(w.Simbolo[Exercise::rightElement(w.Simbolo)]);
        exercise.click(w.Attributo[Exercise::rightElement(w.Attributo)]);
        QCOMPARE(played.mid(1), QStringList(2, exercise.sound("ok.wav")));
        timer.advance(1499);
        QCOMPARE(played.size(), 3);
        timer.advance(1);
        QVERIFY(played.size() == 4 && captionPlayed());

        exercise.changeSet();
        QVERIFY(played.size() == 5 && captionPlayed());
        QVERIFY(voice.said.isEmpty() && exercise.platform.messageBox.shown.isEmpty());
    }

    // The ring is drawn in a dark and a light band; one of them stands out at least 3:1 from the
    // frames, white, the window's grey, and the picture colour that is worst for the pair.
    void ringStandsOutOnEveryBackground()
    {
        Exercise exercise(Images, Symbols, Attributes, {.sequence = false});
        QVERIFY(!exercise.open());
        frmMain& w = *exercise.window;
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QList<QColor> backgrounds{w.Frame1->palette().color(QPalette::Window), w.Frame2->palette().color(QPalette::Window),
                                        Qt::white, w.palette().color(QPalette::Window)};
        press(w, Qt::Key_Left); // from "Change set" to the second attribute
        QVERIFY(ringOn(w, w.Attributo[1]));
        const QImage shot = w.grab().toImage();
        // Across the ring's side, from its outer edge to the box it surrounds.
        QList<QColor> bands;
        for (int x = w.Ring->geometry().left(); x < w.Attributo[1]->mapTo(&w, QPoint(0, 0)).x(); ++x) {
            if (const QColor colour = shot.pixelColor(x, w.Ring->geometry().center().y()); !bands.contains(colour))
                bands.append(colour);
        }
        QCOMPARE(bands.size(), 2);
        for (const QColor& background : backgrounds)
            QVERIFY2(std::max(contrast(bands[0], background), contrast(bands[1], background)) >= 3.0,
                     qPrintable(background.name()));
        // The worst picture colour lies where both bands stand out equally: sqrt of their own ratio.
        QVERIFY(std::sqrt(contrast(bands[0], bands[1])) >= 3.0);
    }

    // Scanning starts on the first answer and waits; Space (step) moves it, Return (choose) chooses.
    void twoSwitchesStepAndChoose()
    {
        const AccessSettings access{
            .keyboardAccess = false, .scanMode = ScanMode::TwoSwitches, .scanIntervalMs = AccessSettings::MinScanIntervalMs};
        Exercise exercise(Images, Symbols, Attributes, {}, {.access = access});
        QVERIFY(!exercise.open());
        frmMain& w = *exercise.window;
        exercise.timers.advance(AccessSettings::MinScanIntervalMs + 100);
        QVERIFY(ringOn(w, w.Simbolo[0]));
        press(w, Qt::Key_Space);
        QVERIFY(ringOn(w, w.Simbolo[1]));
        press(w, Qt::Key_Return);
        QCOMPARE(exercise.platform.sound.played,
                 QStringList{exercise.sound(Exercise::rightElement(w.Simbolo) == 1 ? "ok.wav" : "error.wav")});
    }
};

QTEST_MAIN(TestLearnerAids)
#include "test_learner_aids.moc"
