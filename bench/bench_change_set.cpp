// "Change set" with 1000-name folders of 12-megapixel photos, against decoding the same five
// pictures with QImageReader alone, at their box size and at full size, and loading them through
// the program's picture loader alone; and the memory it takes.
// Run by hand: bench_change_set [--sets N]; --smoke runs it once on tiny inputs.

#include "BenchSupport.h"

#include "core/Module1.h"
#include "exercise/frmMain.h"
#include "widgets/PictureBox.h"
#include "platform/PictureLoader.h"
#include "platform/doubles/TestDoubles.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>

using namespace tessarine;

namespace {

double decodeMs(const QStringList& paths, const QList<QSize>& sizes)
{
    QElapsedTimer timer;
    timer.start();
    for (qsizetype i = 0; i < paths.size(); ++i) {
        QImageReader reader(paths[i]);
        if (sizes[i].isValid())
            reader.setScaledSize(sizes[i]);
        if (reader.read().isNull())
            qFatal("cannot decode %s", qPrintable(paths[i]));
    }
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

double loaderMs(const QStringList& paths, const QList<QSize>& sizes)
{
    QtPictureLoader loader;
    QElapsedTimer timer;
    timer.start();
    for (qsizetype i = 0; i < paths.size(); ++i)
        loader.load(paths[i], sizes[i]);
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    // The photos are written by a child process, so that the memory it takes to draw them does
    // not count in this process's peak.
    if (argc == 6 && std::strcmp(argv[1], "--write-media") == 0) {
        QGuiApplication app(argc, argv);
        bench::writeMediaFolders(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3]),
                                 QSize(std::atoi(argv[4]), std::atoi(argv[5])));
        return 0;
    }
    QApplication app(argc, argv);
    const bool smoke = bench::hasFlag(argc, argv, "--smoke");
    const int names = smoke ? 20 : 1000;
    const QSize photo = smoke ? QSize(400, 300) : QSize(4000, 3000);
    const int sets = smoke ? 5 : 200;

    QTemporaryDir folder;
    std::printf("Writing %d-name folders of %dx%d photos...\n", names, photo.width(), photo.height());
    if (QProcess::execute(QCoreApplication::applicationFilePath(),
                          {QStringLiteral("--write-media"), folder.path(), QString::number(names),
                           QString::number(photo.width()), QString::number(photo.height())})
        != 0)
        qFatal("cannot write the media folders");
    const double baselineMiB = bench::currentResidentMiB();

    doubles::TestPlatform platform(folder.path());
    Module1 module(platform.messageBox, platform.random);
    module.ShowSymbolsDistractor = module.ShowAttributesDistractor = true;
    module.SameCategoryAttributes = module.UseSequence = true;
    frmMain window(module, platform.platform());
    window.setAttribute(Qt::WA_DeleteOnClose, false);

    QElapsedTimer timer;
    timer.start();
    window.Form_Load();
    window.show();
    window.repaint();
    const double firstSetMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;

    std::vector<double> setMs;
    std::vector<double> residentMiB;
    for (int i = 0; i < sets; ++i) {
        timer.restart();
        window.cmdCambia_Click();
        window.repaint();
        setMs.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        residentMiB.push_back(bench::currentResidentMiB());
    }

    // Before the full-size decodes below, which take their own 48 MB a picture.
    const double peakMiB = bench::peakResidentMiB();

    // The same five pictures the last set showed, decoded alone.
    QStringList paths;
    QList<QSize> boxSizes;
    paths << mediaPath(platform.program, Folder::Images, window.Immagine->sourceName());
    boxSizes << window.Immagine->pictureSize();
    for (PictureBox* box : {window.Simbolo[0], window.Simbolo[1], window.Attributo[0], window.Attributo[1]}) {
        paths << mediaPath(platform.program, box->parentWidget() == window.Frame1 ? Folder::Symbols : Folder::Attributes,
                           box->sourceName());
        boxSizes << box->pictureSize();
    }
    std::vector<double> boxMs;
    std::vector<double> fullMs;
    std::vector<double> viaLoaderMs;
    for (int i = 0; i < (smoke ? 2 : 20); ++i) {
        boxMs.push_back(decodeMs(paths, boxSizes));
        viaLoaderMs.push_back(loaderMs(paths, boxSizes));
        fullMs.push_back(decodeMs(paths, QList<QSize>(paths.size())));
    }

    const auto change = bench::summarise(setMs);
    const auto box = bench::summarise(boxMs);
    const auto full = bench::summarise(fullMs);
    const auto viaLoader = bench::summarise(viaLoaderMs);
    const std::size_t early = std::min<std::size_t>(residentMiB.size() - 1, 19);
    std::printf("first set (load step)       %8.1f ms\n", firstSetMs);
    std::printf("Change set  median %8.1f ms   p95 %8.1f ms   over %d sets\n", change.median, change.p95, sets);
    std::printf("5 decodes at box size       median %8.1f ms   -> Change set / box decode = %.2f\n", box.median,
                change.median / box.median);
    std::printf("5 loads through the loader  median %8.1f ms   -> loader / QImageReader at box size = %.2f\n",
                viaLoader.median, viaLoader.median / box.median);
    std::printf("5 decodes at full size      median %8.1f ms   -> Change set / full decode = %.2f\n", full.median,
                change.median / full.median);
    std::printf("resident memory: before the window %.1f MiB, after set %zu %.1f MiB, after set %d %.1f MiB, "
                "peak %.1f MiB (target at most 60 MiB, no growth)\n",
                baselineMiB, early + 1, residentMiB[early], sets, residentMiB.back(), peakMiB);
    std::printf("reports shown: %lld\n", static_cast<long long>(platform.messageBox.shown.size()));
    return platform.messageBox.shown.isEmpty() ? 0 : 1;
}
