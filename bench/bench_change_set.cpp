// "Change set" with 1000-name folders of 12-megapixel photos, from the click to the new set painted:
// after the learner has looked at the set for a second (the next set is prepared by then), and with
// no pause between clicks; against decoding the same five pictures one after another with
// QImageReader alone at their box size. Also the memory over many sets.
// Run by hand: bench_change_set; --smoke runs it briefly on tiny inputs.

#include "BenchSupport.h"

#include "core/Module1.h"
#include "exercise/PictureDecoder.h"
#include "exercise/frmMain.h"
#include "platform/PictureLoader.h"
#include "platform/doubles/TestDoubles.h"
#include "widgets/PictureBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImageReader>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>

using namespace tessarine;

namespace {

double elapsedMs(const QElapsedTimer& timer) { return static_cast<double>(timer.nsecsElapsed()) / 1e6; }

// The five pictures of the set on screen, with the sizes they are shown at.
struct ShownSet {
    QStringList paths;
    QList<QSize> sizes;
};

ShownSet shownSet(const frmMain& window, const ProgramInfo& program)
{
    ShownSet set;
    set.paths << mediaPath(program, Folder::Images, window.Immagine->sourceName());
    set.sizes << window.Immagine->pictureSize();
    for (PictureBox* box : {window.Simbolo[0], window.Simbolo[1], window.Attributo[0], window.Attributo[1]}) {
        set.paths << mediaPath(program, box->parentWidget() == window.Frame1 ? Folder::Symbols : Folder::Attributes,
                               box->sourceName());
        set.sizes << box->pictureSize();
    }
    return set;
}

double sequentialDecodeMs(const ShownSet& set)
{
    QElapsedTimer timer;
    timer.start();
    for (qsizetype i = 0; i < set.paths.size(); ++i) {
        QImageReader reader(set.paths[i]);
        reader.setScaledSize(set.sizes[i]);
        if (reader.read().isNull())
            qFatal("cannot decode %s", qPrintable(set.paths[i]));
    }
    return elapsedMs(timer);
}

// The same through the program's own loader, one after another.
double loaderDecodeMs(const ShownSet& set)
{
    QtPictureLoader loader;
    QElapsedTimer timer;
    timer.start();
    for (qsizetype i = 0; i < set.paths.size(); ++i)
        loader.load(set.paths[i], set.sizes[i]);
    return elapsedMs(timer);
}

// The learner looks at the set: the event loop runs for `ms` milliseconds.
void look(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
}

double clickToPaintedMs(frmMain& window)
{
    QElapsedTimer timer;
    timer.start();
    window.cmdCambia->click();
    window.repaint();
    return elapsedMs(timer);
}

} // namespace

int main(int argc, char** argv)
{
    if (bench::writeMediaIfAsked(argc, argv))
        return 0;
    QApplication app(argc, argv);
    const bool smoke = bench::hasFlag(argc, argv, "--smoke");
    const int names = smoke ? 20 : 1000;
    const QSize photo = smoke ? QSize(400, 300) : QSize(4000, 3000);
    const int lookedAtSets = smoke ? 2 : 30;
    const int quickSets = smoke ? 5 : 200;
    const int lookMs = smoke ? 50 : 1000;

    QTemporaryDir folder;
    bench::writeMediaFoldersApart(folder.path(), names, photo);
    const double baselineMiB = bench::currentResidentMiB();

    doubles::TestPlatform platform(folder.path());
    Module1 module(platform.messageBox, platform.random);
    module.ShowSymbolsDistractor = module.ShowAttributesDistractor = true;
    module.SameCategoryAttributes = module.UseSequence = true;
    PictureDecoder decoder(platform.pictures);
    frmMain window(module, platform.platform(), decoder);
    window.setAttribute(Qt::WA_DeleteOnClose, false);

    QElapsedTimer timer;
    timer.start();
    window.Form_Load();
    window.show();
    window.repaint();
    const double firstSetMs = elapsedMs(timer);

    // The baseline is taken between the measured clicks, always after a pause long enough for the
    // prepared set to be ready, so that both see the same machine.
    std::vector<double> sequentialMs;
    std::vector<double> lookedAtMs;
    int notReady = 0;
    for (int i = 0; i < lookedAtSets; ++i) {
        look(lookMs);
        notReady += window.nextSetReady() ? 0 : 1;
        lookedAtMs.push_back(clickToPaintedMs(window));
        look(lookMs);
        sequentialMs.push_back(sequentialDecodeMs(shownSet(window, platform.program)));
    }

    // No pause between clicks; the memory is read after every set.
    std::vector<double> quickMs;
    std::vector<double> residentMiB;
    look(lookMs);
    for (int i = 0; i < quickSets; ++i) {
        quickMs.push_back(clickToPaintedMs(window));
        QCoreApplication::processEvents();
        residentMiB.push_back(bench::currentResidentMiB());
    }
    const double peakMiB = bench::peakResidentMiB();
    look(lookMs);
    std::vector<double> loaderMs;
    for (int i = 0; i < lookedAtSets; ++i) {
        sequentialMs.push_back(sequentialDecodeMs(shownSet(window, platform.program)));
        loaderMs.push_back(loaderDecodeMs(shownSet(window, platform.program)));
    }

    const auto lookedAt = bench::summarise(lookedAtMs);
    const auto quick = bench::summarise(quickMs);
    const auto sequential = bench::summarise(sequentialMs);
    const auto viaLoader = bench::summarise(loaderMs);
    const std::size_t early = std::min<std::size_t>(residentMiB.size() - 1, 19);
    std::printf("first set (load step)                 %8.1f ms\n", firstSetMs);
    std::printf("Change set after %4d ms on the set:   median %7.1f ms   p95 %7.1f ms   over %d sets "
                "(target median at most 16 ms; next set not ready at %d clicks)\n",
                lookMs, lookedAt.median, lookedAt.p95, lookedAtSets, notReady);
    std::printf("Change set, no pause between clicks:  median %7.1f ms   p95 %7.1f ms   over %d sets\n", quick.median, quick.p95,
                quickSets);
    std::printf("5 decodes at box size, one by one:    median %7.1f ms   -> no pause / sequential = %.2f "
                "(target at most 0.6)\n",
                sequential.median, quick.median / sequential.median);
    std::printf("5 loads through the loader, one by one: median %7.1f ms   -> loader / QImageReader = %.2f\n", viaLoader.median,
                viaLoader.median / sequential.median);
    std::printf("resident memory: before the window %.1f MiB, after set %zu %.1f MiB, after set %d %.1f MiB, "
                "peak %.1f MiB (target at most 60 MiB, no growth)\n",
                baselineMiB, early + 1, residentMiB[early], quickSets, residentMiB.back(), peakMiB);
    std::printf("reports shown: %lld\n", static_cast<long long>(platform.messageBox.shown.size()));
    return platform.messageBox.shown.isEmpty() ? 0 : 1;
}
