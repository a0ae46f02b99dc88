// The checker over a 3000-picture collection (1000-name folders, less one object picture): the
// first full check, which decodes every picture, is the baseline; against it, the Pictures
// window's refresh after one object picture is added (and after it is removed again), which
// decodes and analyses only what changed. Also refreshes after a symbol or an attribute is added,
// which changes every object's distractor draw and so plans every object's sets again.
// Run by hand: bench_check [--photo WxH]; --smoke runs it on tiny inputs.

#include "BenchSupport.h"

#include "check/CollectionCheck.h"
#include "check/MediaChecker.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

using namespace tessarine;

namespace {

double elapsedMs(const QElapsedTimer& timer) { return static_cast<double>(timer.nsecsElapsed()) / 1e6; }

QSize photoSize(int argc, char** argv, QSize fallback)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--photo") == 0) {
            const QStringList parts = QString::fromLatin1(argv[i + 1]).split(u'x');
            return QSize(parts.value(0).toInt(), parts.value(1).toInt());
        }
    return fallback;
}

// Times a refresh and keeps its findings' count for the sanity line.
double timedRefresh(check::CollectionCheck& collection, qsizetype* findings = nullptr)
{
    QElapsedTimer timer;
    timer.start();
    const check::CheckResult result = collection.refresh();
    const double ms = elapsedMs(timer);
    if (findings)
        *findings = result.findings.size();
    return ms;
}

} // namespace

int main(int argc, char** argv)
{
    if (bench::writeMediaIfAsked(argc, argv))
        return 0;
    QGuiApplication app(argc, argv);
    // For a profiler: refresh an existing folder again and again, unchanged or, with
    // BENCH_TOGGLE_SYMBOL=1, with a symbol added and removed in turn between refreshes.
    if (const char* folder = std::getenv("BENCH_REFRESH_FOLDER")) {
        const QDir symbols(QDir(QString::fromLocal8Bit(folder)).filePath(QStringLiteral("Symbols")));
        const bool toggle = std::getenv("BENCH_TOGGLE_SYMBOL") != nullptr;
        const int refreshes = toggle ? std::max(2, std::atoi(std::getenv("BENCH_TOGGLE_SYMBOL"))) : 100;
        const QString added = symbols.filePath(QStringLiteral("aaadded.jpg"));
        QFile::remove(added);
        check::CollectionCheck collection(QString::fromLocal8Bit(folder));
        for (int i = 0; i < refreshes; ++i) {
            if (toggle && i > 0 && !QFile::exists(added))
                QFile::copy(symbols.filePath(symbols.entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name).last()),
                            added);
            else if (toggle && i > 0)
                QFile::remove(added);
            std::printf("refresh %d: %.0f ms\n", i, timedRefresh(collection));
        }
        QFile::remove(added);
        return 0;
    }
    const bool smoke = bench::hasFlag(argc, argv, "--smoke");
    const int names = smoke ? 20 : 1000;
    // Pictures the Pictures window saves are at most 1600 pixels on the long side.
    const QSize photo = photoSize(argc, argv, smoke ? QSize(400, 300) : QSize(1600, 1200));
    const int samples = smoke ? 2 : 7;

    QTemporaryDir folder;
    bench::writeMediaFoldersApart(folder.path(), names, photo);
    const QDir images(QDir(folder.path()).filePath(QStringLiteral("Images")));
    const QStringList objects = images.entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name);
    // One object picture out, so that adding one keeps the list within its 1000 names.
    const QString spare = images.filePath(objects.last());
    const QString parked = QDir(folder.path()).filePath(QStringLiteral("spare.jpg"));
    QFile::rename(spare, parked);

    check::CollectionCheck collection(folder.path());
    QElapsedTimer timer;
    timer.start();
    const check::CheckResult first = collection.refresh();
    const double baseline = elapsedMs(timer);
    std::printf("first check of %d object pictures, %d symbols, %d attributes: %.0f ms; %lld findings\n", first.images,
                first.symbols, first.attributes, baseline, static_cast<long long>(first.findings.size()));

    // The added picture is a new photo each time (a copy of the spare one under another name).
    std::vector<double> added, removed;
    qsizetype findings = 0;
    for (int i = 0; i < samples; ++i) {
        const QString name = images.filePath(QStringLiteral("key7.cat7.val0.added%1.jpg").arg(i));
        QFile::copy(parked, name);
        added.push_back(timedRefresh(collection, &findings));
        QFile::remove(name);
        removed.push_back(timedRefresh(collection));
    }
    const bench::Summary add = bench::summarise(added);
    const bench::Summary remove = bench::summarise(removed);
    std::printf("refresh after one object picture added: median %.0f ms, p95 %.0f ms (%lld findings); "
                "ratio to the first check %.3f\n",
                add.median, add.p95, static_cast<long long>(findings), add.median / baseline);
    std::printf("refresh after it is removed again: median %.0f ms; ratio %.3f\n", remove.median, remove.median / baseline);

    // A symbol and an attribute, as "Make the symbol from this photo" and "Make a card" add them:
    // each changes every object's distractor draw, so every object picture is planned again (no
    // picture is decoded again). Each is first in name order: it pushes the last name off the
    // full list, and back when it is removed. A few samples: before the planner read each list
    // once per check, each refresh took many seconds.
    for (const auto& [folderName, kind] : {std::pair{"Symbols", "symbol"}, std::pair{"Attributes", "attribute"}}) {
        std::vector<double> answerAdded, answerRemoved;
        for (int i = 0; i < std::min(samples, 3); ++i) {
            const QString name
                = QDir(folder.path()).filePath(QStringLiteral("%1/aaadded%2.colour.jpg").arg(QLatin1String(folderName)).arg(i));
            QFile::copy(parked, name);
            answerAdded.push_back(timedRefresh(collection));
            QFile::remove(name);
            answerRemoved.push_back(timedRefresh(collection));
        }
        const double addedMs = bench::summarise(answerAdded).median;
        std::printf("refresh after one %s added: median %.0f ms (removed again: %.0f ms); ratio to the first check %.4f\n", kind,
                    addedMs, bench::summarise(answerRemoved).median, addedMs / baseline);
    }
    QFile::copy(parked, QDir(folder.path()).filePath(QStringLiteral("Symbols/aaadded.jpg")));

    // Nothing told differs from a fresh check of the folder as it is now.
    const bool same = check::toJson(collection.refresh()) == check::toJson(check::checkProgramFolder(folder.path()));
    std::printf("refresh %s a fresh check\n", same ? "equals" : "DIFFERS FROM");
    return same && first.readable ? 0 : 1;
}
