// tessarine-check over 1000-name folders of 12-megapixel photos: every picture decoded once, in
// parallel, at the size the exercise shows it, and every object planned under all eight option
// combinations. Run by hand: bench_check; --smoke runs it on tiny inputs.

#include "BenchSupport.h"

#include "check/MediaChecker.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char** argv)
{
    if (tessarine::bench::writeMediaIfAsked(argc, argv))
        return 0;
    QGuiApplication app(argc, argv);
    const bool smoke = tessarine::bench::hasFlag(argc, argv, "--smoke");
    const int names = smoke ? 20 : 1000;
    const QSize photo = smoke ? QSize(400, 300) : QSize(4000, 3000);

    QTemporaryDir folder;
    tessarine::bench::writeMediaFoldersApart(folder.path(), names, photo);

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
