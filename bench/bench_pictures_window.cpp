// The Pictures window opened on a collection of 1000 objects with 12-megapixel photos: the time from
// constructing the window to its first screen filled (the rows shown, every visible row's picture
// thumbnail in), with an empty thumbnail cache and again with the one the first opening left on
// disk; against decoding one of the photos and listing the folder in the same run. Run by hand:
// bench_pictures_window; --smoke runs it on tiny inputs.

#include "BenchSupport.h"

#include "collections/Collections.h"
#include "pictures_window/ObjectTableModel.h"
#include "pictures_window/PicturePrompts.h"
#include "pictures_window/PicturesWindow.h"
#include "pictures_window/ThumbnailCache.h"
#include "platform/Microphone.h"
#include "platform/doubles/TestDoubles.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImageReader>
#include <QTableView>
#include <QTemporaryDir>
#include <QThreadPool>

#include <cstdio>

using namespace tessarine;

namespace {

struct NoMicrophone final : IMicrophone {
    bool available() const override { return false; }
    void start(const QString&) override {}
    void stop() override {}
    bool recording() const override { return false; }
};

struct Opening {
    double rowsShown = 0;   // constructed, shown and painted with placeholders
    double firstScreen = 0; // every visible row's picture thumbnail in
    double checked = 0;     // the findings in
    int visibleRows = 0;
};

Opening open(const QString& folder)
{
    doubles::RecordingMessageBox box;
    doubles::RecordingSoundPlayer sound;
    NoMicrophone microphone;
    QtPicturePrompts prompts;
    Opening result;
    QElapsedTimer timer;
    timer.start();
    PicturesWindow window(box, sound, microphone, prompts, Collections(folder), folder);
    if (qEnvironmentVariableIsSet("BENCH_PARTS")) {
        std::printf("  constructed %.1f ms\n", bench::msSince(timer));
        QObject::connect(&window.thumbnails(), &ThumbnailCache::ready, [&](const QString& p) {
            std::printf("  ready %.1f ms %s\n", bench::msSince(timer), qPrintable(p.section(u'/', -2)));
        });
        QObject::connect(&window, &PicturesWindow::checked, [&] { std::printf("  checked %.1f ms\n", bench::msSince(timer)); });
    }
    window.resize(1280, 1000);
    window.show();
    if (qEnvironmentVariableIsSet("BENCH_PARTS"))
        std::printf("  shown %.1f ms\n", bench::msSince(timer));
    QCoreApplication::processEvents();
    result.rowsShown = bench::msSince(timer);
    for (;;) {
        const auto [first, last] = window.visibleRows();
        bool filled = last >= first;
        for (int r = first; filled && r <= last; ++r) {
            const QString path = window.objects().list().row(r).path;
            filled = !window.thumbnails().thumbnail(path).isNull() || window.thumbnails().failed(path);
        }
        if (filled) {
            result.firstScreen = bench::msSince(timer);
            result.visibleRows = last - first + 1;
            break;
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    while (window.checking())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    result.checked = bench::msSince(timer);
    return result;
}

} // namespace

int main(int argc, char** argv)
{
    if (bench::writeMediaIfAsked(argc, argv))
        return 0;
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0); // each figure as it is taken
    const bool smoke = bench::hasFlag(argc, argv, "--smoke");
    const int names = smoke ? 20 : 1000;
    const QSize photo = smoke ? QSize(400, 300) : QSize(4000, 3000);

    QTemporaryDir folder;
    QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", cache.path().toUtf8());
    bench::writeMediaFoldersApart(folder.path(), names, photo);
    const QString images = QDir(folder.path()).filePath(QStringLiteral("Images"));
    const QString first = QDir(images).filePath(QDir(images).entryList(QDir::Files).value(0));

    std::vector<double> decodes;
    std::vector<double> listings;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer timer;
        timer.start();
        const QImage image = QImageReader(first).read();
        decodes.push_back(bench::msSince(timer));
        timer.restart();
        const auto listed = QDir(images).entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name);
        listings.push_back(bench::msSince(timer));
        if (image.isNull() || listed.size() != names)
            return 1;
    }
    const double decode = bench::summarise(decodes).median;
    std::printf("baseline: one %dx%d photo decoded whole: median %.1f ms; Images listed (%d names): median %.2f ms\n",
                photo.width(), photo.height(), decode, names, bench::summarise(listings).median);

    for (const char* kind : {"cold", "warm"}) {
        const Opening o = open(folder.path());
        std::printf("%s cache: rows shown %.1f ms, first screen (%d rows' thumbnails) %.1f ms = %.2f photo decodes; "
                    "findings in after %.1f s\n",
                    kind, o.rowsShown, o.visibleRows, o.firstScreen, o.firstScreen / decode, o.checked / 1000);
        // Nothing of this opening may still run during the next.
        QThreadPool::globalInstance()->waitForDone();
    }
    const int cached = static_cast<int>(QDir(ThumbnailCache::defaultFolder()).entryList(QDir::Files).size());
    std::printf("thumbnails on disk: %d\n", cached);
    return cached > 0 ? 0 : 1;
}
