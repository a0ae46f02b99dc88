// "Start program" to the first set painted, with 1000 pictures in each of the Images, Symbols and
// Attributes folders (512 by 512 JPEGs, as the sample pictures are). The options window closes
// (and stores the settings), the exercise window lists the three folders and composes its first
// set, and the time runs until the exercise window's first paint.
// Run by hand: bench_start_program [--runs N]; --smoke runs once on tiny folders.

#include "BenchSupport.h"

#include "app/RunFlow.h"
#include "core/Module1.h"
#include "exercise/frmMain.h"
#include "options/frmApertura.h"
#include "platform/doubles/TestDoubles.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>

using namespace tessarine;

namespace {

class ExercisePainted final : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && qobject_cast<frmMain*>(watched))
            painted = true;
        return false;
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const bool smoke = bench::hasFlag(argc, argv, "--smoke");
    const int names = smoke ? 20 : 1000;
    const int runs = smoke ? 1 : 20;

    QTemporaryDir folder;
    bench::writeMediaFolders(folder.path(), names, QSize(512, 512));

    std::vector<double> samples;
    for (int run = 0; run < runs; ++run) {
        doubles::TestPlatform platform(folder.path());
        // The real directory listing and picture loader; only the message box, the sound player
        // and the settings are stand-ins.
        Module1 module(platform.messageBox, platform.random);
        RunFlow flow(module, platform.platform(), folder.path() + QStringLiteral("/records.sqlite"));
        frmApertura* options = flow.start();
        while (!options->isVisible())
            QCoreApplication::processEvents();
        QCoreApplication::processEvents();

        ExercisePainted painted;
        app.installEventFilter(&painted);
        QElapsedTimer timer;
        timer.start();
        options->OKButton->click();
        while (!painted.painted)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        samples.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        app.removeEventFilter(&painted);

        if (!platform.messageBox.shown.isEmpty())
            qFatal("unexpected report: %s", qPrintable(platform.messageBox.shown.first()));
        for (QWidget* window : QApplication::topLevelWidgets())
            if (qobject_cast<frmMain*>(window))
                delete window; // without closing, which would open the About window
        QCoreApplication::processEvents();
    }
    const auto s = bench::summarise(samples);
    std::printf("Start program to first set painted (%d-picture folders): median %.1f ms, p95 %.1f ms (%d runs; "
                "target at most 60 ms)\n",
                names, s.median, s.p95, runs);
    return 0;
}
