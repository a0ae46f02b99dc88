#include "support/ExerciseFixture.h"

#include <QLabel>

#include <atomic>

using namespace tessarine;
using namespace tessarine::testing;

namespace {

const QStringList CupImages{"cup.colour.red.jpg"};
const QStringList CupSymbols{"cup.jpg", "pen.jpg"};
const QStringList CupAttributes{"colour.red.jpg", "colour.blue.jpg", "size.red.jpg", "size.big.jpg"};

// The real loader behind a gate that the test opens and closes, counting the pictures asked for.
struct GatedLoader final : IPictureLoader {
    QImage load(const QString& path, const QSize& box) override
    {
        ++asked;
        while (!open)
            QThread::msleep(1);
        return real.load(path, box);
    }
    std::atomic<bool> open = true;
    std::atomic<int> asked = 0;
    QtPictureLoader real;
};

} // namespace

class TestExercise : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Maximized, with the ring on "Change set" that Enter presses, as the focus did before keyboard
    // access; the window system's close and the program's own may both arrive, and lead on once.
    void opensAndCloses()
    {
        Exercise exercise(CupImages, CupSymbols, CupAttributes);
        QVERIFY(!exercise.open());
        frmMain& w = *exercise.window;
        QVERIFY(w.windowState() & Qt::WindowMaximized);
        QCOMPARE(w.windowTitle() + w.cmdCambia->text(), QStringLiteral("TessarineChange set"));
        QCOMPARE((QList<QColor>{w.Frame1->palette().color(QPalette::Window), w.Frame2->palette().color(QPalette::Window)}),
                 (QList<QColor>{Qt::yellow, Qt::red}));
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(w.Ring->isVisible() && w.Ring->geometry().contains(w.cmdCambia->geometry()));
        const int draws = exercise.platform.random.reseeds;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(exercise.platform.random.reseeds > draws); // a new set

        QSignalSpy closed(&w, &frmMain::closed);
        for (int i = 0; i < 2; ++i) {
            QCloseEvent close;
            QCoreApplication::sendEvent(&w, &close);
            QVERIFY(close.isAccepted());
        }
        QCOMPARE(closed.size(), 1);

        // An empty Images folder fails the first set, naming the folder.
        const std::optional<RuntimeError> failure = Exercise({}, CupSymbols, CupAttributes).open();
        QVERIFY2(failure && failure->number() == ErrorNumber::InvalidPicture && failure->description().contains("Images"),
                 qPrintable(failure ? failure->description() : QString()));
    }

    // The design size in a larger window, shrunk into a smaller one, grown only to fill the screen.
    void layoutFitsTheWindow_data()
    {
        QTest::addColumn<bool>("fill");
        QTest::addColumn<QSize>("window");
        // Caption, object picture, "Change set", symbol frame, attribute frame, second attribute in its frame.
        QTest::addColumn<QList<QRect>>("boxes");
        QTest::addColumn<double>("captionPoints");
        const QList<QRect> design{{48, 8, 601, 41},    {48, 56, 600, 300},   {808, 56, 129, 33},
                                  {24, 400, 481, 249}, {504, 400, 481, 249}, {261, 32, 201, 201}};
        QTest::newRow("design") << false << QSize(1009, 676) << design << 24.0;
        QTest::newRow("larger") << false << QSize(1400, 1000) << design << 24.0;
        QTest::newRow("1024x600") << false << QSize(1024, 600)
                                  << QList<QRect>{{43, 7, 533, 36},    {43, 50, 532, 266},   {717, 50, 115, 29},
                                                  {21, 355, 427, 221}, {447, 355, 427, 221}, {232, 28, 178, 179}}
                                  << 21.302;
        // Wide screen: the height decides, the layout is centred across.
        QTest::newRow("filled 1920x1080") << true << QSize(1920, 1080)
                                          << QList<QRect>{{231, 13, 960, 65},   {231, 89, 958, 480},  {1445, 89, 206, 53},
                                                          {192, 639, 769, 398}, {959, 639, 769, 398}, {417, 51, 321, 321}}
                                          << 38.343;
        // Square-ish screen: the width decides, the layout is centred down.
        QTest::newRow("filled 1280x1024") << true << QSize(1280, 1024)
                                          << QList<QRect>{{61, 93, 762, 52},   {61, 154, 761, 381},  {1025, 154, 164, 42},
                                                          {30, 591, 611, 316}, {639, 591, 611, 316}, {331, 40, 255, 255}}
                                          << 30.446;
    }
    void layoutFitsTheWindow()
    {
        QFETCH(bool, fill);
        QFETCH(QSize, window);
        QFETCH(QList<QRect>, boxes);
        QFETCH(double, captionPoints);
        Exercise exercise(CupImages, CupSymbols, CupAttributes, {.sequence = false}, {.access = {.fillScreen = fill}});
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
        // The next set is decoded at the boxes it is shown in, not stretched from the design size.
        exercise.changeSet();
        QCOMPARE(w.Immagine->picture().size(), w.Immagine->pictureSize());
        QCOMPARE(w.Simbolo[0]->picture().size(), w.Simbolo[0]->pictureSize());
    }

    // Each distractor as asked, the right answer on either side, without the sequence.
    void distractorsShownAsAsked_data()
    {
        QTest::addColumn<bool>("symbolDistractor");
        QTest::addColumn<bool>("attributeDistractor");
        // Each flag on its own: a swapped or ignored flag shows in one row or the other.
        QTest::newRow("symbols only") << true << false;
        QTest::newRow("attributes only") << false << true;
    }
    void distractorsShownAsAsked()
    {
        QFETCH(bool, symbolDistractor);
        QFETCH(bool, attributeDistractor);
        Exercise exercise(CupImages, CupSymbols, CupAttributes,
                          {.symbolDistractor = symbolDistractor, .attributeDistractor = attributeDistractor, .sequence = false});
        QVERIFY(!exercise.open());
        frmMain& w = *exercise.window;
        QCOMPARE(w.Simbolo[1]->isVisible(), symbolDistractor);
        QCOMPARE(w.Attributo[1]->isVisible(), attributeDistractor);
        // Without the sequence, clicks change nothing: no sound, no new set.
        const int draws = exercise.platform.random.reseeds;
        for (PictureBox* box : {w.Simbolo[0], w.Simbolo[1], w.Attributo[0], w.Attributo[1]})
            exercise.click(box);
        QVERIFY(exercise.platform.sound.played.isEmpty() && w.Frame2->isVisible());
        QCOMPARE(exercise.platform.random.reseeds, draws);
        int rightOnLeft = 0;
        for (int set = 0; set < 400; ++set) {
            const int symbol = Exercise::rightElement(w.Simbolo);
            const int attribute = Exercise::rightElement(w.Attributo);
            QVERIFY((symbolDistractor || symbol == 0) && (attributeDistractor || attribute == 0));
            rightOnLeft += (symbolDistractor ? symbol : attribute) == 0;
            QCOMPARE(w.Simbolo[symbol]->sourceName() + w.Attributo[attribute]->sourceName(), "cup.jpg"
                                                                                             "colour.red.jpg");
            QCOMPARE(w.Simbolo[1 - symbol]->Tag + w.Attributo[1 - attribute]->Tag, QString());
            QCOMPARE(w.Simbolo[1 - symbol]->sourceName(), symbolDistractor ? QStringLiteral("pen.jpg") : QString());
            // Same category: another value of colour.
            QCOMPARE(w.Attributo[1 - attribute]->sourceName(), attributeDistractor ? "colour.blue.jpg" : QString());
            exercise.changeSet();
        }
        // The right answer on either side about half the time; the bounds lie ten standard deviations out.
        QVERIFY2(rightOnLeft > 100 && rightOnLeft < 300, qPrintable(QString::number(rightOnLeft)));
        QVERIFY(exercise.platform.messageBox.shown.isEmpty());
    }

    void soundsOnlyWhenWanted()
    {
        Exercise exercise(CupImages, CupSymbols, CupAttributes, {.sounds = false});
        QVERIFY(!exercise.open());
        frmMain& w = *exercise.window;
        exercise.click(w.Simbolo[1 - Exercise::rightElement(w.Simbolo)]);
        exercise.click(w.Simbolo[Exercise::rightElement(w.Simbolo)]);
        QVERIFY(w.Frame2->isVisible() && exercise.platform.sound.played.isEmpty()); // the transitions happen in silence

        // No right-answer sound chosen: right answers are silent, wrong ones still sound.
        exercise.module.PlaySounds = true;
        exercise.module.SoundOk.clear();
        exercise.click(w.Attributo[1 - Exercise::rightElement(w.Attributo)]);
        exercise.click(w.Attributo[Exercise::rightElement(w.Attributo)]);
        QCOMPARE(exercise.platform.sound.played, QStringList({exercise.sound("error.wav")}));
        QVERIFY(!w.Frame2->isVisible());
    }

    // The next set is planned and decoded while the current one is shown; its error messages and
    // its pictures' errors come when it is shown, as if it were composed then.
    void preparedSetShowsItsReportsWhenShown()
    {
        // A name without a value: two reports for the caption and two for each attribute compared.
        Exercise exercise({"cup.jpg"}, {"cup.jpg"}, {"colour.red.jpg", "colour.blue.jpg"},
                          {.symbolDistractor = false, .attributeDistractor = false});
        QVERIFY(!exercise.open());
        QCOMPARE(exercise.window->lblImmagine->text(), QStringLiteral("CUP "));
        const QString report = QStringLiteral("Error \"Invalid argument\" in EstraiParte() function");
        QCOMPARE(exercise.platform.messageBox.shown, QStringList(6, report));
        QTRY_VERIFY(exercise.window->nextSetReady());
        QCOMPARE(exercise.platform.messageBox.shown.size(), 6);
        exercise.changeSet();
        QCOMPARE(exercise.platform.messageBox.shown, QStringList(12, report));
    }

    // One set ahead and never more, however fast the clicks come; closing the window while the
    // next set is being decoded neither waits for it nor breaks anything.
    void oneSetAheadAndClosingDoesNotWait()
    {
        Exercise exercise(CupImages, CupSymbols, CupAttributes);
        GatedLoader loader;
        auto decoder = std::make_unique<PictureDecoder>(loader);
        auto window = std::make_unique<frmMain>(exercise.module, exercise.platform.platform(), *decoder);
        window->Form_Load();
        for (int click = 0; click < 3; ++click)
            QTest::mouseClick(window->cmdCambia, Qt::LeftButton);
        QTRY_VERIFY(window->nextSetReady());
        QCOMPARE(loader.asked.load(), 5 * 5); // four sets shown, one prepared

        loader.open = false;
        QTest::mouseClick(window->cmdCambia, Qt::LeftButton);
        QTRY_VERIFY(loader.asked.load() > 5 * 5);
        // Were it to wait, it would wait for ever: the gate opens only after.
        window->close();
        window.reset();
        loader.open = true;
        decoder.reset(); // finishes what the window left
        QVERIFY(exercise.platform.messageBox.shown.isEmpty());
    }
};

QTEST_MAIN(TestExercise)
#include "test_exercise.moc"
