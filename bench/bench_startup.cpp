// Start-up: from process start to the options window painted, against a bare Qt window program
// measured the same way. The parent starts each child many times and takes the time until the
// child reports its first paint on standard output.
// Run by hand: bench_startup [--runs N]; --smoke runs each once.

#include "BenchSupport.h"

#include "core/Module1.h"
#include "options/ProgramStart.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdio>
#include <cstring>
#include <memory>

using namespace tessarine;

namespace {

// Reports the first paint of any window and ends the process there.
class FirstPaint final : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget*>(watched)->isWindow()) {
            std::printf("painted\n");
            std::fflush(stdout);
            std::_Exit(0);
        }
        return false;
    }
};

int runChild(int argc, char** argv, bool bare)
{
    QApplication app(argc, argv);
    FirstPaint firstPaint;
    app.installEventFilter(&firstPaint);
    if (bare) {
        auto* window = new QWidget;
        window->resize(408, 466);
        window->show();
        return QApplication::exec();
    }
    QApplication::setQuitOnLastWindowClosed(false);
    QtPlatform platform(QtSettingsBacking::defaultFilePath(QStringLiteral("Corvaldi-Tessarine")));
    Module1 module(platform.platform());
    startProgram(module);
    return QApplication::exec();
}

double timeChild(const QString& program, const QString& mode, const QString& configHome)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    child.setProcessEnvironment(environment);
    QElapsedTimer timer;
    timer.start();
    child.start(program, {mode});
    if (!child.waitForReadyRead(30000) || !child.readAllStandardOutput().contains("painted"))
        qFatal("the child did not paint: %s", child.readAllStandardError().constData());
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    child.waitForFinished();
    return ms;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--child-bare") == 0)
        return runChild(argc, argv, true);
    if (argc > 1 && std::strcmp(argv[1], "--child-tessarine") == 0)
        return runChild(argc, argv, false);

    QCoreApplication app(argc, argv);
    const int runs = bench::hasFlag(argc, argv, "--smoke") ? 1 : 30;
    QTemporaryDir configHome;
    std::vector<double> bare;
    std::vector<double> tessarine;
    // Interleaved, so that whatever else the machine does falls on both alike.
    for (int i = 0; i < runs; ++i) {
        bare.push_back(timeChild(QCoreApplication::applicationFilePath(), QStringLiteral("--child-bare"), configHome.path()));
        tessarine.push_back(
            timeChild(QCoreApplication::applicationFilePath(), QStringLiteral("--child-tessarine"), configHome.path()));
    }
    const auto b = bench::summarise(bare);
    const auto t = bench::summarise(tessarine);
    std::printf("bare Qt window painted        median %7.1f ms   p95 %7.1f ms   (%d runs)\n", b.median, b.p95, runs);
    std::printf("options window painted        median %7.1f ms   p95 %7.1f ms\n", t.median, t.p95);
    std::printf("options window / bare window  %.2f (target at most 1.25)\n", t.median / b.median);
    return 0;
}
