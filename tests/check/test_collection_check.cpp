#include "check/CollectionCheck.h"
#include "check/MediaChecker.h"
#include "support/MediaFolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QtConcurrent/QtConcurrentRun>
#include <QtTest>

using namespace tessarine;
using namespace tessarine::check;
using testing::MediaFolder;

namespace {

// A playable wave file: PCM, mono, 8 kHz, 16 bit, two samples.
const QByteArray Wave("RIFF\x28\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1f\0\0\x80\x3e\0\0\x02\0\x10\0data\x04\0\0\0\0\0\0\0",
                      48);

QStringList codesFor(const CheckResult& result, const QString& folder, const QString& file)
{
    QStringList codes;
    for (const Finding& finding : result.findingsFor(folder, file))
        codes.append(finding.code);
    return codes;
}

// Overwrites a file in place with other bytes, then gives it back the modification time it had.
void overwriteKeepingTime(const QString& path, const QByteArray& bytes, bool keepTime)
{
    const QDateTime modified = QFileInfo(path).lastModified();
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.flush(); // else the write on closing would set the time again
    if (keepTime)
        QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
    else
        QVERIFY(file.setFileTime(modified.addSecs(5), QFileDevice::FileModificationTime));
}

} // namespace

class TestCollectionCheck : public QObject {
    Q_OBJECT

private:
    // The refresh, run on a worker thread as the Pictures window runs it, against a fresh check.
    static CheckResult refreshedLikeFresh(CollectionCheck& collection, const QString& step)
    {
        const CheckResult refreshed = QtConcurrent::run([&collection] { return collection.refresh(); }).result();
        const QByteArray fresh = toJson(checkProgramFolder(collection.folder()));
        if (toJson(refreshed) != fresh)
            qWarning().noquote() << step << "\nrefreshed:\n" << toJson(refreshed) << "\nfresh:\n" << fresh;
        [&] { QVERIFY2(toJson(refreshed) == fresh, qPrintable(step)); }();
        return refreshed;
    }

private Q_SLOTS:
    void followsEveryChange()
    {
        MediaFolder folder;
        folder.addPictures(QStringLiteral("Images"), {"cup.colour.red.jpg", "pen.colour.blue.jpg", "hat.size.big.jpg"});
        folder.addPictures(QStringLiteral("Symbols"), {"cup.jpg", "pen.jpg", "hat.jpg"});
        folder.addPictures(QStringLiteral("Attributes"), {"colour.red.jpg", "colour.blue.jpg", "size.big.jpg"});
        folder.addFile(QStringLiteral("Sounds"), QStringLiteral("ok.wav"), Wave);
        folder.addFile(QStringLiteral("Sounds"), QStringLiteral("error.wav"), Wave);
        QDir images(folder.subFolder(QStringLiteral("Images")));
        QDir symbols(folder.subFolder(QStringLiteral("Symbols")));

        CollectionCheck collection(folder.path());
        CheckResult result = refreshedLikeFresh(collection, QStringLiteral("first"));
        QCOMPARE(result.objects.size(), 3);

        folder.addPicture(QStringLiteral("Images"), QStringLiteral("ball.colour.red.jpg"));
        result = refreshedLikeFresh(collection, QStringLiteral("object picture without a symbol added"));
        QCOMPARE(codesFor(result, "Images", "ball.colour.red.jpg"), QStringList{"no-symbol"});

        folder.addPicture(QStringLiteral("Symbols"), QStringLiteral("ball.jpg"));
        result = refreshedLikeFresh(collection, QStringLiteral("its symbol added"));
        QVERIFY(codesFor(result, "Images", "ball.colour.red.jpg").isEmpty());

        QVERIFY(images.rename(QStringLiteral("cup.colour.red.jpg"), QStringLiteral("cup.colour.green.jpg")));
        result = refreshedLikeFresh(collection, QStringLiteral("renamed after an attribute that does not exist"));
        QCOMPARE(codesFor(result, "Images", "cup.colour.green.jpg"), QStringList{"no-attribute"});

        QVERIFY(symbols.remove(QStringLiteral("pen.jpg")));
        result = refreshedLikeFresh(collection, QStringLiteral("symbol removed"));
        QCOMPARE(codesFor(result, "Images", "pen.colour.blue.jpg"), QStringList{"no-symbol"});

        QVERIFY(images.remove(QStringLiteral("hat.size.big.jpg")));
        folder.addPicture(QStringLiteral("Images"), QStringLiteral("hat.jpg"));
        result = refreshedLikeFresh(collection, QStringLiteral("object picture removed, one with a short name added"));
        QCOMPARE(result.objects.size(), 4);
        QVERIFY(codesFor(result, "Images", "hat.jpg").contains("name-too-few-parts"));
        // What is remembered is what the folder holds now, not every picture ever seen.
        QCOMPARE(collection.analysedObjects(), 3); // hat.jpg is told with examples from the others, never kept
        QCOMPARE(collection.decodedPictures(), 4 + 3 + 3 + 2); // and the two folders, as a draw loads them
    }

    void decodesOnlyWhatChanged()
    {
        MediaFolder folder;
        folder.addPictures(QStringLiteral("Images"), {"cup.colour.red.jpg", "pen.colour.blue.jpg"});
        folder.addPictures(QStringLiteral("Symbols"), {"cup.jpg", "pen.jpg"});
        folder.addPictures(QStringLiteral("Attributes"), {"colour.red.jpg", "colour.blue.jpg"});
        const QString cup = QDir(folder.subFolder(QStringLiteral("Images"))).filePath(QStringLiteral("cup.colour.red.jpg"));
        const QString pen = QDir(folder.subFolder(QStringLiteral("Symbols"))).filePath(QStringLiteral("pen.jpg"));
        CollectionCheck collection(folder.path());
        QVERIFY(refreshedLikeFresh(collection, QStringLiteral("first")).findingsFor("Images", "cup.colour.red.jpg").isEmpty());

        // Changed in place, same name: decoded again, and the finding appears at once.
        overwriteKeepingTime(cup, QByteArray("not a picture"), false);
        CheckResult result = refreshedLikeFresh(collection, QStringLiteral("object picture broken in place"));
        QCOMPARE(codesFor(result, "Images", "cup.colour.red.jpg"), QStringList{"picture-unreadable"});
        overwriteKeepingTime(pen, QByteArray(), false);
        result = refreshedLikeFresh(collection, QStringLiteral("symbol emptied in place"));
        QCOMPARE(codesFor(result, "Symbols", "pen.jpg"), QStringList{"picture-unreadable"});
        QVERIFY(codesFor(result, "Images", "pen.colour.blue.jpg").contains("symbol-unreadable"));

        // Mended: the finding goes again.
        overwriteKeepingTime(cup, testing::jpegBytes({8, 8}), false);
        result = refreshedLikeFresh(collection, QStringLiteral("object picture mended"));
        QVERIFY(!codesFor(result, "Images", "cup.colour.red.jpg").contains("picture-unreadable"));

        // Same size and time is taken for unchanged: what decoding found then is kept, not decoded again.
        const QFileInfo before(cup);
        QByteArray garbage(static_cast<int>(before.size()), 'x');
        overwriteKeepingTime(cup, garbage, true);
        QCOMPARE(QFileInfo(cup).size(), before.size());
        QVERIFY(!codesFor(collection.refresh(), "Images", "cup.colour.red.jpg").contains("picture-unreadable"));
    }
};

QTEST_GUILESS_MAIN(TestCollectionCheck)
#include "test_collection_check.moc"
