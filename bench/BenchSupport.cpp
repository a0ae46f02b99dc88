#include "BenchSupport.h"

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <numeric>

#include <sys/resource.h>
#include <unistd.h>

namespace tessarine::bench {

void writePhoto(const QString& path, QSize size, int seed)
{
    QImage image(size, QImage::Format_RGB32);
    QRandomGenerator random(static_cast<quint32>(seed));
    QPainter painter(&image);
    QLinearGradient sky(0, 0, size.width(), size.height());
    sky.setColorAt(0, QColor::fromHsv(random.bounded(360), 120, 230));
    sky.setColorAt(1, QColor::fromHsv(random.bounded(360), 200, 90));
    painter.fillRect(image.rect(), sky);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 40; ++i) {
        painter.setBrush(QColor::fromHsv(random.bounded(360), 180, 200, 180));
        painter.setPen(Qt::NoPen);
        const int w = random.bounded(size.width() / 3) + 20;
        painter.drawEllipse(random.bounded(size.width()), random.bounded(size.height()), w, w * 2 / 3);
    }
    painter.end();
    // Sensor noise keeps the JPEG at the few megabytes a real photo has.
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int n = static_cast<int>(random.bounded(48)) - 24;
            const QRgb p = line[x];
            line[x] = qRgb(std::clamp(qRed(p) + n, 0, 255), std::clamp(qGreen(p) + n, 0, 255), std::clamp(qBlue(p) + n, 0, 255));
        }
    }
    if (!image.save(path, "JPG", 92))
        qFatal("cannot write %s", qPrintable(path));
}

void writeMediaFolders(const QString& folder, int names, QSize photoSize)
{
    QDir root(folder);
    for (const char* sub : {"Images", "Symbols", "Attributes", "Sounds"})
        root.mkpath(QString::fromLatin1(sub));
    const QString photos = root.filePath(QStringLiteral("photos"));
    root.mkpath(QStringLiteral("photos"));
    const int distinct = 5;
    QStringList sources;
    for (int i = 0; i < distinct; ++i) {
        sources << QDir(photos).filePath(QStringLiteral("photo%1.jpg").arg(i));
        writePhoto(sources.last(), photoSize, i + 1);
    }
    const auto link = [&](int i, const QString& sub, const QString& name) {
        std::filesystem::create_hard_link(sources[i % distinct].toStdString(), root.filePath(sub + u'/' + name).toStdString());
    };
    const int categories = 10;
    const int values = names / categories;
    for (int i = 0; i < names; ++i) {
        const int category = i % categories;
        const int value = (i / categories) % values;
        link(i, QStringLiteral("Images"),
             QStringLiteral("key%1.cat%2.val%3.n%4.jpg").arg(i % (names / 2)).arg(category).arg(value).arg(i));
        link(i + 1, QStringLiteral("Symbols"), QStringLiteral("key%1.jpg").arg(i));
        link(i + 2, QStringLiteral("Attributes"), QStringLiteral("cat%1.val%2.jpg").arg(category).arg(value));
    }
}

void writeMediaFoldersApart(const QString& folder, int names, QSize photoSize)
{
    std::printf("Writing %d-name folders of %dx%d photos...\n", names, photoSize.width(), photoSize.height());
    if (QProcess::execute(QCoreApplication::applicationFilePath(),
                          {QStringLiteral("--write-media"), folder, QString::number(names), QString::number(photoSize.width()),
                           QString::number(photoSize.height())})
        != 0)
        qFatal("cannot write the media folders");
}

bool writeMediaIfAsked(int argc, char** argv)
{
    if (argc != 6 || std::strcmp(argv[1], "--write-media") != 0)
        return false;
    QGuiApplication app(argc, argv);
    writeMediaFolders(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3]), QSize(std::atoi(argv[4]), std::atoi(argv[5])));
    return true;
}

Summary summarise(std::vector<double> samples)
{
    Summary summary;
    if (samples.empty())
        return summary;
    std::sort(samples.begin(), samples.end());
    summary.median = samples[samples.size() / 2];
    summary.p95 = samples[std::min(samples.size() - 1, samples.size() * 95 / 100)];
    summary.mean = std::accumulate(samples.begin(), samples.end(), 0.0) / static_cast<double>(samples.size());
    return summary;
}

double peakResidentMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

double currentResidentMiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0) : 0;
}

bool hasFlag(int argc, char** argv, const char* flag)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], flag) == 0)
            return true;
    return false;
}

int intOption(int argc, char** argv, const char* name, int fallback)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0)
            return std::atoi(argv[i + 1]);
    return fallback;
}

double msSince(const QElapsedTimer& timer) { return static_cast<double>(timer.nsecsElapsed()) / 1e6; }

} // namespace tessarine::bench
