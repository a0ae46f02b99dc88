// The exercise window with a learner's aids: keys and switches judged as clicks, the answers
// recorded, the layout filling the screen.
#include "access/doubles/AccessDoubles.h"
#include "records/RecordsFixture.h"
#include "speech/SpokenCaption.h"
#include "speech/doubles/SpeechDoubles.h"
#include "support/ExerciseFixture.h"

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

// Keeps every set the exercise reports, beside the object picture the window showed meanwhile.
class RecordingLog final : public AnswerLog {
public:
    void sessionStarted(const Session&) override {}
    void setShown(const Set& set) override
    {
        sets.append(set);
        shownObjects.append(window->Immagine->sourceName());
    }
    void rowVisible(Row) override {}
    void clicked(Row, int, const QString&, bool) override {}
    void setEnded(SetEnd) override {}
    void sessionEnded() override {}

    frmMain* window = nullptr;
    QList<Set> sets;
    QStringList shownObjects;
};

// A silent PCM wave file that lasts `ms` milliseconds: 8000 one-byte samples a second.
QByteArray wave(int ms)
{
    const auto le = [](quint32 value, int bytes) {
        const quint32 little = qToLittleEndian(value);
        return QByteArray(reinterpret_cast<const char*>(&little), bytes);
    };
    const QByteArray format = le(1, 2) + le(1, 2) + le(8000, 4) + le(8000, 4) + le(1, 2) + le(8, 2);
    const QByteArray sound(ms * 8, '\x80');
    return "RIFF" + le(4 + 8 + format.size() + 8 + sound.size(), 4) + "WAVE" + "fmt " + le(format.size(), 4) + format + "data"
           + le(sound.size(), 4) + sound;
}

// WCAG contrast ratio between two colours.
double contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF()) + 0.05;
    };
    return std::max(luminance(a), luminance(b)) / std::min(luminance(a), luminance(b));
}

} // namespace

class TestLearnerAids : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Keys are judged as clicks are, and every answer is recorded as the learner gave it.
    void keysAndClicksAreJudgedAndRecorded()
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
        exercise.click(w.Simbolo[1]);
        press(w, Qt::Key_3);
        press(w, Qt::Key_4);
        const QString error = exercise.sound("error.wav"), ok = exercise.sound("ok.wav");
        QCOMPARE(exercise.platform.sound.played, QStringList({error, ok, error, ok}));
        // The new set puts the ring back on "Change set"; the arrows move it over what is shown.
        press(w, Qt::Key_Left);
        QVERIFY(ringOn(w, w.Simbolo[1]));
        exercise.changeSet();
        recorder.setEnded(AnswerLog::SetEnd::WindowClosed);
        recorder.sessionEnded();

        // Row, element, file, right, first try: as the learner answered.
        QCOMPARE(sqlRows(file, QStringLiteral("SELECT row, element, file, correct, first_try FROM clicks ORDER BY id")),
                 QStringList({"symbol|0|pen.jpg|0|1", "symbol|1|cup.jpg|1|0", "attribute|0|colour.blue.jpg|0|1",
                              "attribute|1|colour.red.jpg|1|0"}));
        QCOMPARE(sqlRows(file, QStringLiteral("SELECT object, ended_by FROM sets ORDER BY id")).mid(0, 2),
                 QStringList({"cup.colour.red.jpg|next in sequence", "pen.colour.blue.jpg|change set"}));
        QVERIFY(reports.shown.isEmpty());
    }

    // A set that stops with an error is recorded under its own object and caption, not under the
    // picture the set before left on the screen.
    void failedSetsAreRecordedUnderTheirOwnObject()
    {
        // The hat's picture is no picture at all, nor is the pen's symbol, which is also the cup's
        // distractor half the time.
        Exercise exercise({"cup.colour.red.jpg", "pen.colour.blue.jpg"}, {"cup.jpg", "ball.jpg"},
                          {"colour.red.jpg", "colour.blue.jpg"});
        exercise.folder.addFile(QStringLiteral("Images"), QStringLiteral("hat.colour.red.jpg"), "not a picture");
        exercise.folder.addFile(QStringLiteral("Symbols"), QStringLiteral("pen.jpg"), "not a picture either");
        RecordingLog log;
        exercise.setAids({.log = &log, .access = {}});
        log.window = exercise.window.get();
        exercise.open();
        for (int set = 0; set < 60; ++set)
            exercise.changeSet();

        const QMap<QString, QString> captions{
            {"cup.colour.red.jpg", "CUP RED"}, {"pen.colour.blue.jpg", "PEN BLUE"}, {"hat.colour.red.jpg", "HAT RED"}};
        int hatsOverAnother = 0, fullSets = 0;
        QCOMPARE(log.sets.size(), 61);
        for (qsizetype i = 0; i < log.sets.size(); ++i) {
            const AnswerLog::Set& set = log.sets[i];
            const bool hat = set.error.contains(QStringLiteral("hat.colour.red.jpg"));
            hatsOverAnother += hat && !log.shownObjects[i].isEmpty();
            QCOMPARE(set.object, hat ? QStringLiteral("hat.colour.red.jpg") : log.shownObjects[i]);
            QCOMPARE(set.caption, captions.value(set.object));
            // Only the cup with the ball beside it gets through; the pen stops at its symbol.
            QCOMPARE(set.error.isEmpty(), set.object == "cup.colour.red.jpg" && set.symbols.distractor == "ball.jpg");
            if (hat)
                QCOMPARE(set.symbols.right + set.symbols.distractor + set.attributes.right, QString());
            if (set.error.isEmpty()) {
                ++fullSets;
                QCOMPARE(set.symbols.right, QStringLiteral("cup.jpg"));
                QCOMPARE(set.attributes.right, QStringLiteral("colour.red.jpg"));
                QCOMPARE(set.attributes.distractor, QStringLiteral("colour.blue.jpg"));
            }
        }
        QVERIFY(hatsOverAnother > 0 && fullSets > 0);
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
        const QString ok = exercise.sound("ok.wav");
        QCOMPARE(played.mid(1), QStringList({ok, ok}));
        timer.advance(1499);
        QCOMPARE(played.size(), 3);
        timer.advance(1);
        QCOMPARE(played.size(), 4);
        QVERIFY(captionPlayed());

        exercise.changeSet();
        QCOMPARE(played.size(), 5);
        QVERIFY(captionPlayed());
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
        // From "Change set" back to the second attribute, then to the second symbol.
        for (const auto& [steps, box] : {std::pair{1, w.Attributo[1]}, std::pair{2, w.Simbolo[1]}}) {
            for (int step = 0; step < steps; ++step)
                press(w, Qt::Key_Left);
            QVERIFY(ringOn(w, box));
            const QImage shot = w.grab().toImage();
            // Across the ring's side, from its outer edge to the box it surrounds.
            const QRect ring = w.Ring->geometry();
            const int boxLeft = box->mapTo(&w, QPoint(0, 0)).x();
            QList<QColor> bands;
            for (int x = ring.left(); x < boxLeft; ++x) {
                const QColor colour = shot.pixelColor(x, ring.center().y());
                if (!bands.contains(colour))
                    bands.append(colour);
            }
            QCOMPARE(bands.size(), 2);
            for (const QColor& background : backgrounds)
                QVERIFY2(std::max(contrast(bands[0], background), contrast(bands[1], background)) >= 3.0,
                         qPrintable(background.name()));
            // The worst picture colour lies where both bands stand out equally: sqrt of their own ratio.
            QVERIFY(std::sqrt(contrast(bands[0], bands[1])) >= 3.0);
        }
    }

    void twoSwitchesStepAndChoose()
    {
        const AccessSettings access{
            .keyboardAccess = false, .scanMode = ScanMode::TwoSwitches, .scanIntervalMs = AccessSettings::MinScanIntervalMs};
        Exercise exercise(Images, Symbols, Attributes, {}, {.access = access});
        QVERIFY(!exercise.open());
        frmMain& w = *exercise.window;
        // Scanning starts on the first answer and does not move by itself; the step switch (Space)
        // moves it, the choose switch (Return) chooses.
        QTest::qWait(AccessSettings::MinScanIntervalMs + 100);
        QVERIFY(ringOn(w, w.Simbolo[0]));
        press(w, Qt::Key_Space);
        QVERIFY(ringOn(w, w.Simbolo[1]));
        press(w, Qt::Key_Return);
        const bool secondIsRight = Exercise::rightElement(w.Simbolo) == 1;
        QCOMPARE(exercise.platform.sound.played, QStringList{exercise.sound(secondIsRight ? "ok.wav" : "error.wav")});
    }

    void layoutFillsTheScreenWithSharpPictures_data()
    {
        QTest::addColumn<QSize>("window");
        // Caption, object picture, "Change set", symbol frame, attribute frame, second attribute in its frame.
        QTest::addColumn<QList<QRect>>("boxes");
        QTest::addColumn<QSize>("answerDecode");
        QTest::addColumn<double>("captionPoints");
        // Wide screen: the height decides, the layout is centred across.
        QTest::newRow("1920x1080") << QSize(1920, 1080)
                                   << QList<QRect>{{231, 13, 960, 65},   {231, 89, 958, 480},  {1445, 89, 206, 53},
                                                   {192, 639, 769, 398}, {959, 639, 769, 398}, {417, 51, 321, 321}}
                                   << QSize(319, 319) << 38.343;
        // Square-ish screen: the width decides, the layout is centred down.
        QTest::newRow("1280x1024") << QSize(1280, 1024)
                                   << QList<QRect>{{61, 93, 762, 52},   {61, 154, 761, 381},  {1025, 154, 164, 42},
                                                   {30, 591, 611, 316}, {639, 591, 611, 316}, {331, 40, 255, 255}}
                                   << QSize(253, 253) << 30.446;
    }
    void layoutFillsTheScreenWithSharpPictures()
    {
        QFETCH(QSize, window);
        QFETCH(QList<QRect>, boxes);
        QFETCH(QSize, answerDecode);
        QFETCH(double, captionPoints);
        Exercise exercise(Images, Symbols, Attributes, {}, {.access = {.fillScreen = true}});
        QVERIFY(!exercise.open());
        frmMain& w = *exercise.window;
        // Sharp from the first set, which is decoded before the window is first shown.
        QCOMPARE(w.Immagine->picture().size(), w.Immagine->pictureSize());
        w.setWindowState(Qt::WindowNoState);
        w.resize(window);
        QCOMPARE((QList<QRect>{w.lblImmagine->geometry(), w.Immagine->geometry(), w.cmdCambia->geometry(), w.Frame1->geometry(),
                               w.Frame2->geometry(), w.Attributo[1]->geometry()}),
                 boxes);
        QVERIFY(qAbs(w.lblImmagine->font().pointSizeF() - captionPoints) < 0.001);
        // The next set is decoded at the grown boxes, not stretched up from the design size.
        exercise.changeSet();
        QCOMPARE(w.Immagine->picture().size(), boxes[1].size() - QSize(2, 2));
        QCOMPARE(w.Simbolo[0]->picture().size(), answerDecode);
    }
};

QTEST_MAIN(TestLearnerAids)
#include "test_learner_aids.moc"
