// The exercise window with a learner's aids: keys and switches judged as clicks, the answers
// recorded, the layout filling the screen.
#include "access/ScaledLayout.h"
#include "records/RecordsExport.h"
#include "records/RecordsStore.h"
#include "records/SessionRecorder.h"
#include "support/ExerciseFixture.h"

#include <QBuffer>
#include <QLabel>
#include <QTemporaryDir>

using namespace tessarine;
using namespace tessarine::testing;

namespace {

const QStringList Images{"cup.colour.red.jpg", "pen.colour.blue.jpg"};
const QStringList Symbols{"cup.jpg", "pen.jpg"};
const QStringList Attributes{"colour.red.jpg", "colour.blue.jpg"};
// The cup first (right answers on element 0, the pen and blue as distractors), then the pen.
const std::deque<float> CupThenPen{0.0f, 0.0f, 0.99f, 0.0f, 0.0f, 0.99f};

void press(frmMain& w, Qt::Key key) { QTest::keyClick(&w, key); }

} // namespace

class TestLearnerAids : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void keysAreJudgedAsClicks()
    {
        Exercise exercise(Images, Symbols, Attributes);
        exercise.platform.random.values = CupThenPen;
        QVERIFY(!exercise.open());
        frmMain& w = *exercise.window;
        const auto& played = exercise.platform.sound.played;
        const int right = Exercise::rightElement(w.Simbolo);
        // 3 and 4 choose attributes only once the row is there.
        press(w, Qt::Key_3);
        QVERIFY(played.isEmpty());
        press(w, right == 0 ? Qt::Key_2 : Qt::Key_1);
        QCOMPARE(played, QStringList{exercise.sound("error.wav")});
        QVERIFY(!w.Frame2->isVisible());
        press(w, right == 0 ? Qt::Key_1 : Qt::Key_2);
        QVERIFY(w.Frame2->isVisible());
        const int attribute = Exercise::rightElement(w.Attributo);
        press(w, attribute == 0 ? Qt::Key_4 : Qt::Key_3);
        QCOMPARE(played.last(), exercise.sound("error.wav"));
        press(w, attribute == 0 ? Qt::Key_3 : Qt::Key_4);
        QCOMPARE(played.size(), 4);
        QCOMPARE(played.last(), exercise.sound("ok.wav"));
        QCOMPARE(w.lblImmagine->text(), QStringLiteral("PEN BLUE"));
        QVERIFY(!w.Frame2->isVisible());

        // The arrows move the ring; Enter chooses where it is, Space too.
        press(w, Qt::Key_Left);
        QVERIFY(w.Ring->geometry().contains(w.Simbolo[1]->mapTo(&w, QPoint(0, 0))));
        press(w, Qt::Key_Space);
        QCOMPARE(played.size(), 5);
        QVERIFY(exercise.platform.messageBox.shown.isEmpty());
    }

    void twoSwitchesStepAndChoose()
    {
        ExerciseAids aids;
        aids.access.scanMode = ScanMode::TwoSwitches;
        aids.access.stepKey = Qt::Key_Space;
        aids.access.chooseKey = Qt::Key_Return;
        aids.access.keyboardAccess = false;
        Exercise exercise(Images, Symbols, Attributes, {}, aids);
        exercise.platform.random.values = CupThenPen;
        QVERIFY(!exercise.open());
        frmMain& w = *exercise.window;
        // Scanning starts on the first answer; a step moves on to the second.
        QVERIFY(w.Ring->geometry().contains(w.Simbolo[0]->mapTo(&w, QPoint(0, 0))));
        press(w, Qt::Key_Space);
        QVERIFY(w.Ring->geometry().contains(w.Simbolo[1]->mapTo(&w, QPoint(0, 0))));
        press(w, Qt::Key_Return);
        const bool secondIsRight = Exercise::rightElement(w.Simbolo) == 1;
        QCOMPARE(exercise.platform.sound.played, QStringList{exercise.sound(secondIsRight ? "ok.wav" : "error.wav")});
        // Keys of the keyboard access are not taken in switch-only mode.
        press(w, Qt::Key_1);
        QCOMPARE(exercise.platform.sound.played.size(), 1);
    }

    void aSessionIsRecordedClickByClick()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("records.sqlite"));
        doubles::RecordingMessageBox reports;
        SessionRecorder recorder(file, reports);
        ExerciseAids aids;
        aids.log = &recorder;
        recorder.sessionStarted({QStringLiteral("Ana, \"A\""), {}, QStringLiteral("1.0.0"), dir.path()});
        Exercise exercise(Images, Symbols, Attributes, {}, aids);
        exercise.platform.random.values = CupThenPen;
        QVERIFY(!exercise.open());
        frmMain& w = *exercise.window;
        const int symbol = Exercise::rightElement(w.Simbolo);
        exercise.click(w.Simbolo[1 - symbol]);
        exercise.click(w.Simbolo[symbol]);
        exercise.click(w.Attributo[Exercise::rightElement(w.Attributo)]);
        exercise.changeSet();
        recorder.setEnded(AnswerLog::SetEnd::WindowClosed);
        recorder.sessionEnded();

        RecordsStore store(file);
        QVERIFY(!store.open());
        QBuffer csv;
        csv.open(QIODevice::WriteOnly);
        writeRecordsCsv(store, QStringLiteral("Ana, \"A\""), csv);
        QStringList rows = QString::fromUtf8(csv.data()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(rows.takeFirst(), QString::fromLatin1(RecordsCsvHeader));
        QCOMPARE(rows.size(), 3);
        // learner, start, set, object, row, element, file, correct, first try; the time varies.
        const QString start = rows.first().section(u',', 2, 2);
        const auto expected = [&](int element, const char* file, int correct, int first, const char* row) {
            return QStringLiteral("\"Ana, \"\"A\"\"\",%1,1,cup.colour.red.jpg,%2,%3,%4,%5,%6,")
                .arg(start, QLatin1String(row))
                .arg(element)
                .arg(QLatin1String(file))
                .arg(correct)
                .arg(first);
        };
        QVERIFY(rows[0].startsWith(expected(1 - symbol, "pen.jpg", 0, 1, "symbol")));
        QVERIFY(rows[1].startsWith(expected(symbol, "cup.jpg", 1, 0, "symbol")));
        QVERIFY(rows[2].contains(QStringLiteral(",attribute,")) && rows[2].contains(QStringLiteral(",colour.red.jpg,1,1,")));
        QCOMPARE(store.progress(QStringLiteral("Ana, \"A\""), {}).sessions.value(0).sets, 3);
        QVERIFY(reports.shown.isEmpty());
    }

    void layoutFillsTheScreenWithSharpPictures()
    {
        ExerciseAids aids;
        aids.access.fillScreen = true;
        Exercise exercise(Images, Symbols, Attributes, {}, aids);
        QVERIFY(!exercise.open());
        frmMain& w = *exercise.window;
        for (const QSize size : {QSize(1920, 1080), QSize(1280, 1024)}) {
            w.setWindowState(Qt::WindowNoState);
            w.resize(size);
            const ScaledLayout layout = ScaledLayout::compute(exerciseDesignLayout(), w.size(), true, w.devicePixelRatioF());
            QVERIFY(layout.scale > 1.2);
            QCOMPARE(w.Immagine->geometry(), layout.objectPicture);
            QCOMPARE(w.Attributo[1]->geometry(), layout.attributes[1]);
            QCOMPARE(w.lblImmagine->font().pointSizeF(), layout.captionPointSize);
            // The next set is decoded at the grown boxes, not stretched up from the design size.
            exercise.changeSet();
            QCOMPARE(w.Immagine->picture().size(), layout.objectDecodeSize);
            QCOMPARE(w.Simbolo[0]->picture().size(), layout.answerDecodeSize);
        }
    }
};

QTEST_MAIN(TestLearnerAids)
#include "test_learner_aids.moc"
