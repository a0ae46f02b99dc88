// Start-up: from process start to the options window painted, against bare Qt window programs
// measured the same way: an empty window, and a window showing one line of text (which, like any
// window with text, must first load the system's font configuration). The parent starts each
// child many times and takes the time until the child reports its first paint on standard output.
// Run by hand: bench_startup [--runs N]; --smoke runs each once.

#include "BenchSupport.h"

#include "app/RunFlow.h"
#include "core/Module1.h"
#include "platform/QtPlatform.h"
#include "records/RecordsStore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
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
        if (event->type() == QEvent::Paint && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow()) {
            std::printf("painted\n");
            std::fflush(stdout);
            std::_Exit(0);
        }
        return false;
    }
};

enum class Child { Empty, Text, Tessarine };

int runChild(int argc, char** argv, Child child)
{
    QApplication app(argc, argv);
    FirstPaint firstPaint;
    app.installEventFilter(&firstPaint);
    if (child != Child::Tessarine) {
        auto* window = new QWidget;
        window->resize(408, 466);
        if (child == Child::Text)
            (new QLabel(QStringLiteral("Program Options"), window))->move(8, 16);
        window->show();
        return QApplication::exec();
    }
    QApplication::setQuitOnLastWindowClosed(false);
    QtPlatform platform(QtSettingsBacking::defaultFilePath(QStringLiteral("Corvaldi-Tessarine")));
    const Platform services = platform.platform();
    Module1 module(services.messageBox, services.random);
    RunFlow flow(module, services, RecordsStore::defaultFilePath());
    flow.start();
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
    if (argc > 1 && std::strcmp(argv[1], "--child-empty") == 0)
        return runChild(argc, argv, Child::Empty);
    if (argc > 1 && std::strcmp(argv[1], "--child-text") == 0)
        return runChild(argc, argv, Child::Text);
    if (argc > 1 && std::strcmp(argv[1], "--child-tessarine") == 0)
        return runChild(argc, argv, Child::Tessarine);

    QCoreApplication app(argc, argv);
    const int runs = bench::hasFlag(argc, argv, "--smoke") ? 1 : 30;
    QTemporaryDir configHome;
    std::vector<double> empty;
    std::vector<double> text;
    std::vector<double> tessarine;
    const QString self = QCoreApplication::applicationFilePath();
    // Interleaved, so that whatever else the machine does falls on all alike.
    for (int i = 0; i < runs; ++i) {
        empty.push_back(timeChild(self, QStringLiteral("--child-empty"), configHome.path()));
        text.push_back(timeChild(self, QStringLiteral("--child-text"), configHome.path()));
        tessarine.push_back(timeChild(self, QStringLiteral("--child-tessarine"), configHome.path()));
    }
    const auto e = bench::summarise(empty);
    const auto b = bench::summarise(text);
    const auto t = bench::summarise(tessarine);
    std::printf("empty Qt window painted          median %7.1f ms   p95 %7.1f ms   (%d runs)\n", e.median, e.p95, runs);
    std::printf("Qt window with a label painted   median %7.1f ms   p95 %7.1f ms\n", b.median, b.p95);
    std::printf("options window painted           median %7.1f ms   p95 %7.1f ms\n", t.median, t.p95);
    std::printf("options window / window with a label  %.2f (target at most 1.25); / empty window %.2f\n", t.median / b.median,
                t.median / e.median);
    return 0;
}
