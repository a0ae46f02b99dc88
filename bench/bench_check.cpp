// tessarine-check over 1000-name folders of 12-megapixel photos: every picture decoded once, in
// parallel, at the size the exercise shows it, and every object planned under all eight option
// combinations. Run by hand: bench_check; --smoke runs it on tiny inputs.

#include "BenchSupport.h"

#include "check/MediaChecker.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc == 6 && std::strcmp(argv[1], "--write-media") == 0) {
        QGuiApplication app(argc, argv);
        tessarine::bench::writeMediaFolders(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3]),
                                            QSize(std::atoi(argv[4]), std::atoi(argv[5])));
        return 0;
    }
    QGuiApplication app(argc, argv);
    const bool smoke = tessarine::bench::hasFlag(argc, argv, "--smoke");
    const int names = smoke ? 20 : 1000;
    const QSize photo = smoke ? QSize(400, 300) : QSize(4000, 3000);

    QTemporaryDir folder;
    std::printf("Writing %d-name folders of %dx%d photos...\n", names, photo.width(), photo.height());
    if (QProcess::execute(QCoreApplication::applicationFilePath(),
                          {QStringLiteral("--write-media"), folder.path(), QString::number(names), QString::number(photo.width()),
                           QString::number(photo.height())})
        != 0)
        qFatal("cannot write the media folders");

    QElapsedTimer timer;
    timer.start();
    const tessarine::check::CheckResult result = tessarine::check::checkProgramFolder(folder.path());
    const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    std::printf("checked %d object pictures, %d symbols, %d attributes in %.1f s (%.1f ms a picture); %lld "
                "findings\n",
                result.images, result.symbols, result.attributes, seconds,
                1000.0 * seconds / std::max(1, result.images + result.symbols + result.attributes),
                static_cast<long long>(result.findings.size()));
    return result.readable ? 0 : 1;
}
