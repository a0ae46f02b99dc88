// What the prompt and the rewards look like on the exercise window, painted offscreen.
#include "widgets/PictureBox.h"
#include "widgets/PromptMarks.h"
#include "widgets/TokenRow.h"

#include <QSignalSpy>
#include <QStyle>
#include <QStyleFactory>
#include <QtTest>

#include <memory>

using namespace tessarine;

namespace {

const QColor Yellow(255, 255, 0);
const QColor Red(255, 0, 0);

QImage solid(QSize size, const QColor& colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QColor pixel(QWidget& widget, QPoint at) { return widget.grab().toImage().pixelColor(at); }

// Counts the mouse presses and releases that reach it, as the exercise window hears switch buttons.
class PressedWindow final : public QWidget {
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
    void mouseReleaseEvent(QMouseEvent*) override { ++presses; }
};

// A top-level window as the exercise window is one, shown and ready for clicks from the window system.
struct Window {
    Window()
    {
        widget.resize(400, 300);
        widget.show();
    }
    bool exposed() { return QTest::qWaitForWindowExposed(&widget); }
    // A click as the window system delivers it, to whatever widget is on top at `at`.
    void click(QPoint at) { QTest::mouseClick(widget.windowHandle(), Qt::LeftButton, {}, at); }
    PressedWindow widget;
};

} // namespace

class TestPromptMarks : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The frame stands 3:1 against the window's grey as drawn here and under Fusion on the desktop,
    // and against the yellow and red frames; it is a band, with the picture seen through it.
    void promptFrameStandsOut()
    {
        QCOMPARE(PromptMarks::contrast(Qt::white, Qt::black), 21.0);

        Window window;
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        const QColor drawnGrey = pixel(window.widget, {5, 5});
        for (const QColor& around : {drawnGrey, fusion->standardPalette().color(QPalette::Window), Yellow, Red})
            QVERIFY2(PromptMarks::contrast(PromptMarks::frameColour(), around) >= 3.0, qPrintable(around.name()));

        auto* box = new PictureBox(0, &window.widget);
        box->setGeometry(100, 100, 100, 80);
        box->setPicture(solid({10, 10}, Qt::blue), QStringLiteral("cup.jpg"));
        box->show();
        auto* frame = new PromptFrame(&window.widget);
        frame->around(box->geometry());
        QCOMPARE(frame->accessibleName(), QStringLiteral("Prompt"));
        QVERIFY(window.exposed());
        const QImage shot = window.widget.grab().toImage();
        const int band = PromptMarks::FrameWidth;
        QCOMPARE(shot.pixelColor(100 - band, 100 - band), PromptMarks::frameColour());
        QCOMPARE(shot.pixelColor(199 + band / 2, 140), PromptMarks::frameColour());
        QCOMPARE(shot.pixelColor(150, 140), QColor(Qt::blue));
        QCOMPARE(shot.pixelColor(100 - band - 1, 100 - band - 1), drawnGrey);
    }

    // A dimmed picture lies faint over its frame's colour; a screen reader hears that it is dimmed
    // under its own name.
    void dimmedBoxIsFaint()
    {
        QFrame frame;
        frame.setAutoFillBackground(true);
        frame.setPalette(QPalette(Yellow));
        frame.resize(200, 200);
        PictureBox box(1, &frame);
        box.setGeometry(20, 20, 100, 100);
        box.setAccessibleName(QStringLiteral("Second symbol"));
        box.setPicture(solid({10, 10}, Qt::blue), QStringLiteral("pen.jpg"));
        box.setDimmed(true);
        const QColor faint = pixel(box, {50, 50});
        const double o = PromptMarks::DimmedOpacity;
        QVERIFY2(qAbs(faint.red() - 255 * (1 - o)) <= 3 && qAbs(faint.green() - 255 * (1 - o)) <= 3
                     && qAbs(faint.blue() - 255 * o) <= 3,
                 qPrintable(faint.name()));
        QVERIFY(box.accessibleName() == "Second symbol" && box.accessibleDescription() == "Dimmed");
        box.setDimmed(false);
        QVERIFY(pixel(box, {50, 50}) == QColor(Qt::blue) && box.accessibleDescription().isEmpty());
    }

    // Five tokens across the row, the first three full in a colour that stands 3:1 against the empty
    // ones on the window's grey; the count is read out; no goal, no row.
    void tokenRowShowsTheCount()
    {
        Window window;
        auto* row = new TokenRow(&window.widget);
        row->setGeometry(0, 0, 500, 60);
        row->setTokens(5, 3);
        QVERIFY(row->accessibleName() == "Tokens" && row->accessibleDescription() == "3 of 5");
        const QImage shot = row->grab().toImage();
        const QColor grey = shot.pixelColor(0, 0);
        for (int i = 0; i < 5; ++i) {
            const QColor centre = shot.pixelColor(i * 100 + 50, 30);
            const QColor outline = shot.pixelColor(i * 100 + 50, 30 - 21);
            QVERIFY((i < 3) == (PromptMarks::contrast(centre, grey) >= 3.0) && PromptMarks::contrast(outline, grey) >= 3.0);
        }

        row->setTokens(0, 0);
        QVERIFY(row->isHidden());
    }

    // The reward covers the window: a picture with its shape kept on white, or the program's star;
    // a click on it reaches nothing beneath.
    void rewardCoversTheWindow()
    {
        Window window;
        auto* box = new PictureBox(0, &window.widget);
        box->setGeometry(150, 100, 100, 100);
        box->show();
        auto* reward = new RewardOverlay(&window.widget);
        QCOMPARE(reward->accessibleName(), QStringLiteral("Reward"));
        reward->showReward(solid({100, 50}, Qt::red));
        QVERIFY(window.exposed());
        QCOMPARE(reward->geometry(), window.widget.rect());
        QImage shot = window.widget.grab().toImage();
        QCOMPARE(shot.pixelColor(200, 150), QColor(Qt::red));
        QCOMPARE(shot.pixelColor(200, 20), QColor(Qt::white)); // 400 by 200, in the middle
        QSignalSpy clicked(box, &PictureBox::clicked);
        window.click({200, 150});
        QCOMPARE(clicked.size() + window.widget.presses, 0);

        reward->showReward({});
        QVERIFY(reward->showsStar());
        window.widget.resize(600, 400);
        QCOMPARE(reward->geometry(), window.widget.rect());
        shot = window.widget.grab().toImage();
        const QColor middle = shot.pixelColor(300, 200);
        QVERIFY2(middle.red() > 200 && middle.green() > 150 && middle.blue() < 100, qPrintable(middle.name()));
        QCOMPARE(shot.pixelColor(5, 5), QColor(Qt::white));
    }
};

QTEST_MAIN(TestPromptMarks)
#include "test_prompt_marks.moc"
