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
class GatedLoader final : public IPictureLoader {
public:
    QImage load(const QString& path, const QSize& box) override
    {
        ++asked;
        while (!open)
            QThread::msleep(1);
        return m_loader.load(path, box);
    }
    std::atomic<bool> open = true;
    std::atomic<int> asked = 0;

private:
    QtPictureLoader m_loader;
};

} // namespace

class TestExercise : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void layoutAsDesigned()
    {
        Exercise exercise(CupImages, CupSymbols, CupAttributes);
        QVERIFY(!exercise.open());
        frmMain& w = *exercise.window;
        QVERIFY(w.windowState() & Qt::WindowMaximized);
        QCOMPARE(w.windowTitle(), QStringLiteral("Tessarine"));
        // On a screen as large as the design or larger, the layout keeps its design size.
        w.setWindowState(Qt::WindowNoState);
        w.resize(1009, 676);
        QCOMPARE(w.Immagine->geometry(), QRect(48, 56, 600, 300));
        QCOMPARE(w.lblImmagine->geometry(), QRect(48, 8, 601, 41));
        QCOMPARE(w.lblImmagine->font().pointSize(), 24);
        QCOMPARE(w.cmdCambia->geometry(), QRect(808, 56, 129, 33));
        QCOMPARE(w.cmdCambia->text(), QStringLiteral("Change set"));
        QCOMPARE(w.Frame1->geometry(), QRect(24, 400, 481, 249));
        QCOMPARE(w.Frame2->geometry(), QRect(504, 400, 481, 249));
        QCOMPARE(w.Frame1->palette().color(QPalette::Window), QColor(255, 255, 0));
        QCOMPARE(w.Frame2->palette().color(QPalette::Window), QColor(255, 0, 0));
        QCOMPARE(w.Simbolo[1]->geometry(), QRect(253, 32, 201, 201));
        QCOMPARE(w.Attributo[0]->geometry(), QRect(24, 32, 201, 201));
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        // The ring is on "Change set" and Enter presses it, as the focus did before keyboard access.
        QVERIFY(w.Ring->isVisible() && w.Ring->geometry().contains(w.cmdCambia->geometry()));
        const int draws = exercise.platform.random.reseeds;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(exercise.platform.random.reseeds > draws); // a new set
        // The layout stays where it is in a larger window.
        w.resize(1400, 1000);
        QCOMPARE(w.Immagine->geometry(), QRect(48, 56, 600, 300));
        // Pictures are decoded at the size they are shown in, stretched to the box.
        QCOMPARE(w.Immagine->picture().size(), w.Immagine->pictureSize());
        QCOMPARE(w.Simbolo[0]->picture().size(), w.Simbolo[0]->pictureSize());
    }

    // On a screen smaller than the design (a small laptop; a large screen at 150 %), every box
    // shrinks into the window, and the pictures are decoded at the shrunk boxes.
    void smallScreenShowsEveryBox()
    {
        Exercise exercise(CupImages, CupSymbols, CupAttributes, {.sequence = false});
        QVERIFY(!exercise.open());
        frmMain& w = *exercise.window;
        w.setWindowState(Qt::WindowNoState);
        for (const QSize size : {QSize(1024, 600), QSize(1280, 650)}) {
            w.resize(size);
            exercise.changeSet();
            const QList<QWidget*> boxes{w.lblImmagine, w.Immagine,   w.cmdCambia,    w.Frame1,      w.Frame2,
                                        w.Simbolo[0],  w.Simbolo[1], w.Attributo[0], w.Attributo[1]};
            for (const QWidget* box : boxes)
                QVERIFY2(w.rect().contains(QRect(box->mapTo(&w, QPoint(0, 0)), box->size())), qPrintable(box->accessibleName()));
            // Proportions kept: the object picture stays twice as wide as high.
            QVERIFY(qAbs(w.Immagine->width() - 2 * w.Immagine->height()) <= 1);
            QVERIFY(w.Immagine->pictureSize().width() < 598 && w.Simbolo[0]->pictureSize().width() < 199);
            QCOMPARE(w.Immagine->picture().size(), w.Immagine->pictureSize());
            QCOMPARE(w.Simbolo[0]->picture().size(), w.Simbolo[0]->pictureSize());
        }
        // Every control says what it is to a screen reader.
        QCOMPARE(w.Attributo[1]->accessibleName(), QStringLiteral("Second attribute"));
        QCOMPARE(w.lblImmagine->accessibleDescription(), w.lblImmagine->text());
    }

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
        for (int set = 0; set < 3; ++set) {
            const int symbol = Exercise::rightElement(w.Simbolo);
            const int attribute = Exercise::rightElement(w.Attributo);
            QVERIFY(symbolDistractor || symbol == 0);
            QVERIFY(attributeDistractor || attribute == 0);
            QCOMPARE(w.Simbolo[symbol]->sourceName(), QStringLiteral("cup.jpg"));
            QCOMPARE(w.Attributo[attribute]->sourceName(), QStringLiteral("colour.red.jpg"));
            QCOMPARE(w.Simbolo[1 - symbol]->Tag + w.Attributo[1 - attribute]->Tag, QString());
            QCOMPARE(w.Simbolo[1 - symbol]->sourceName(), symbolDistractor ? QStringLiteral("pen.jpg") : QString());
            // Same category: another value of colour.
            QCOMPARE(w.Attributo[1 - attribute]->sourceName(),
                     attributeDistractor ? QStringLiteral("colour.blue.jpg") : QString());
            exercise.changeSet();
        }
        QVERIFY(exercise.platform.messageBox.shown.isEmpty());
    }

    void rightAnswerOnEitherSide()
    {
        Exercise exercise(CupImages, CupSymbols, CupAttributes);
        QVERIFY(!exercise.open());
        int symbolOnLeft = 0;
        int attributeOnLeft = 0;
        for (int set = 0; set < 400; ++set) {
            symbolOnLeft += Exercise::rightElement(exercise.window->Simbolo) == 0;
            attributeOnLeft += Exercise::rightElement(exercise.window->Attributo) == 0;
            exercise.changeSet();
        }
        // About half each; the bounds lie ten standard deviations out, so this never flakes.
        QVERIFY2(symbolOnLeft > 100 && symbolOnLeft < 300, qPrintable(QString::number(symbolOnLeft)));
        QVERIFY2(attributeOnLeft > 100 && attributeOnLeft < 300, qPrintable(QString::number(attributeOnLeft)));
    }

    void emptyImagesFolderFailsTheFirstSet()
    {
        Exercise exercise({}, CupSymbols, CupAttributes);
        const std::optional<RuntimeError> failure = exercise.open();
        QVERIFY(failure);
        QCOMPARE(failure->number(), ErrorNumber::InvalidPicture);
        QVERIFY2(failure->description().contains(QStringLiteral("Images")), qPrintable(failure->description()));
    }

    void sequenceLeadsFromSymbolToAttributeToNextSet()
    {
        Exercise exercise({"cup.colour.red.jpg", "pen.colour.blue.jpg"}, CupSymbols, {"colour.red.jpg", "colour.blue.jpg"});
        // The first set shows the cup (object, side, pen as distractor, side, blue as distractor);
        // the next one, prepared while the first is shown, the pen.
        exercise.platform.random.values = {0.0f, 0.0f, 0.99f, 0.0f, 0.0f, 0.99f};
        QVERIFY(!exercise.open());
        frmMain& w = *exercise.window;
        const QString error = exercise.sound("error.wav"), ok = exercise.sound("ok.wav");
        QVERIFY(!w.Frame2->isVisible());
        QCOMPARE(w.lblImmagine->text(), QStringLiteral("CUP RED"));
        const int rightSymbol = Exercise::rightElement(w.Simbolo);

        exercise.click(w.Simbolo[1 - rightSymbol]);
        QCOMPARE(exercise.platform.sound.played, QStringList({error}));
        QVERIFY(!w.Frame2->isVisible());

        exercise.click(w.Simbolo[rightSymbol]);
        QVERIFY(w.Frame2->isVisible());
        exercise.click(w.Simbolo[rightSymbol]);
        QCOMPARE(exercise.platform.sound.played, QStringList({error, ok, ok}));

        const int rightAttribute = Exercise::rightElement(w.Attributo);
        exercise.click(w.Attributo[1 - rightAttribute]);
        QCOMPARE(w.lblImmagine->text(), QStringLiteral("CUP RED"));
        QVERIFY(w.Frame2->isVisible());

        exercise.click(w.Attributo[rightAttribute]);
        QCOMPARE(exercise.platform.sound.played, QStringList({error, ok, ok, error, ok}));
        QCOMPARE(w.lblImmagine->text(), QStringLiteral("PEN BLUE"));
        QVERIFY(!w.Frame2->isVisible());
        QCOMPARE(w.Simbolo[Exercise::rightElement(w.Simbolo)]->sourceName(), QStringLiteral("pen.jpg"));
        QVERIFY(exercise.platform.messageBox.shown.isEmpty());
    }

    void soundsOnlyWhenWanted()
    {
        Exercise exercise(CupImages, CupSymbols, CupAttributes, {.sounds = false});
        QVERIFY(!exercise.open());
        frmMain& w = *exercise.window;
        exercise.click(w.Simbolo[1 - Exercise::rightElement(w.Simbolo)]);
        exercise.click(w.Simbolo[Exercise::rightElement(w.Simbolo)]);
        QVERIFY(w.Frame2->isVisible()); // the transitions happen in silence
        QVERIFY(exercise.platform.sound.played.isEmpty());

        // No right-answer sound chosen: right answers are silent, wrong ones still sound.
        exercise.module.PlaySounds = true;
        exercise.module.SoundOk.clear();
        exercise.click(w.Attributo[1 - Exercise::rightElement(w.Attributo)]);
        exercise.click(w.Attributo[Exercise::rightElement(w.Attributo)]);
        QCOMPARE(exercise.platform.sound.played, QStringList({exercise.sound("error.wav")}));
        QVERIFY(!w.Frame2->isVisible());
    }

    void withoutSequenceClicksChangeNothing()
    {
        Exercise exercise(CupImages, CupSymbols, CupAttributes, {.sequence = false});
        QVERIFY(!exercise.open());
        frmMain& w = *exercise.window;
        const int draws = exercise.platform.random.reseeds;
        for (PictureBox* box : {w.Simbolo[0], w.Simbolo[1], w.Attributo[0], w.Attributo[1]})
            exercise.click(box);
        QVERIFY(exercise.platform.sound.played.isEmpty());
        QVERIFY(w.Frame2->isVisible());
        QCOMPARE(exercise.platform.random.reseeds, draws); // no new set was composed
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

    void closingLeadsOnOnce()
    {
        Exercise exercise(CupImages, CupSymbols, CupAttributes);
        QVERIFY(!exercise.open());
        QSignalSpy closed(exercise.window.get(), &frmMain::closed);
        // The window system's close and the program's own may both arrive.
        for (int i = 0; i < 2; ++i) {
            QCloseEvent close;
            QCoreApplication::sendEvent(exercise.window.get(), &close);
            QVERIFY(close.isAccepted());
        }
        QCOMPARE(closed.size(), 1);
    }
};

QTEST_MAIN(TestExercise)
#include "test_exercise.moc"
