// The exercise window with a learner's aids: keys and switches judged as clicks, the answers
// recorded, the layout filling the screen.
#include "records/RecordsFixture.h"
#include "support/ExerciseFixture.h"

#include <QLabel>
#include <QTemporaryDir>

using namespace tessarine;
using namespace tessarine::testing;

namespace {

const QStringList Images{"cup.colour.red.jpg", "pen.colour.blue.jpg"};
const QStringList Symbols{"cup.jpg", "pen.jpg"};
const QStringList Attributes{"colour.red.jpg", "colour.blue.jpg"};

void press(frmMain& w, Qt::Key key) { QTest::keyClick(&w, key); }
bool ringOn(frmMain& w, QWidget* box) { return w.Ring->geometry().contains(box->mapTo(&w, QPoint(0, 0))); }

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
