// Adding pictures: 20 12-megapixel phone photos added to a collection with --add-picture's code
// (read, turned upright, cropped, bounded to 1600 pixels, saved with a made symbol and card), on
// both cores, against decoding the same 20 photos once at full size, one after another.
// Run by hand: bench_add_pictures [--photos N] [--rounds N]; --smoke runs it once on tiny inputs.

#include "BenchSupport.h"

#include "pictures/AddPictureCommand.h"
#include "pictures/PictureReader.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtConcurrent>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <vector>

using namespace tessarine;

namespace {

// Each photo of its own object and value, so every add writes the picture, a symbol and a card.
double addAll(const QStringList& photos, const QString& collection)
{
    std::vector<int> indices(std::size_t(photos.size()));
    for (std::size_t i = 0; i < indices.size(); ++i)
        indices[i] = int(i);
    std::atomic<int> failures{0};
    QElapsedTimer timer;
    timer.start();
    QtConcurrent::blockingMap(indices, [&](int i) {
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        const QString name = QStringLiteral("thing%1.kind.word%1").arg(i);
        if (addPictureCommand({photos.at(i), QStringLiteral("--as"), name, QStringLiteral("--collection"), collection}, {},
                              outStream, errStream)
            != 0) {
            std::fprintf(stderr, "%s", qPrintable(err));
            ++failures;
        }
    });
    const double ms = bench::msSince(timer);
    if (failures > 0)
        qFatal("%d photos were not added", failures.load());
    return ms;
}

double decodeAll(const QStringList& photos)
{
    QElapsedTimer timer;
    timer.start();
    qint64 pixels = 0;
    for (const QString& photo : photos)
        pixels += PictureReader::read(photo).sizeInBytes();
    const double ms = bench::msSince(timer);
    if (pixels == 0)
        qFatal("nothing decoded");
    return ms;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const bool smoke = bench::hasFlag(argc, argv, "--smoke");
    const int count = smoke ? 2 : bench::intOption(argc, argv, "--photos", 20);
    const int rounds = smoke ? 1 : bench::intOption(argc, argv, "--rounds", 5);
    const QSize size = smoke ? QSize(400, 300) : QSize(4000, 3000);

    QTemporaryDir dir;
    QStringList photos;
    for (int i = 0; i < count; ++i)
        photos << dir.filePath(QStringLiteral("photo%1.jpg").arg(i));
    QtConcurrent::blockingMap(photos,
                              [&](const QString& photo) { bench::writePhoto(photo, size, int(photos.indexOf(photo)) + 1); });
    std::printf("%d photos of %dx%d written, %.1f MB each\n", count, size.width(), size.height(),
                double(QFileInfo(photos.first()).size()) / 1e6);

    std::vector<double> added, decoded;
    for (int round = 0; round < rounds; ++round) {
        decoded.push_back(decodeAll(photos));
        const QString collection = dir.filePath(QStringLiteral("collection%1").arg(round));
        added.push_back(addAll(photos, collection));
        if (QDir(collection + QStringLiteral("/Images")).count() < uint(count) + 2)
            qFatal("the collection lacks pictures");
        QDir(collection).removeRecursively();
    }
    const bench::Summary add = bench::summarise(added);
    const bench::Summary decode = bench::summarise(decoded);
    std::printf("adding %d photos (picture, symbol, card each; %d threads): median %.0f ms, mean %.0f ms\n", count,
                QThreadPool::globalInstance()->maxThreadCount(), add.median, add.mean);
    std::printf("decoding them once at full size, one after another: median %.0f ms, mean %.0f ms\n", decode.median, decode.mean);
    std::printf("ratio of the medians: %.2f (target at most 1.5)\n", add.median / decode.median);
    return 0;
}
