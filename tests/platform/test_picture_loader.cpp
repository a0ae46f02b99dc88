// Pictures as cameras and phones write them: turned by an EXIF tag, progressive with stray bytes,
// truncated by a copy that went wrong, decoded on several threads at once.

#include "core/RuntimeError.h"
#include "platform/PictureLoader.h"
#include "support/MediaFolder.h"

#include <QImageReader>
#include <QLoggingCategory>
#include <QPainter>
#include <QTest>

#include <thread>

using namespace tessarine;
using namespace tessarine::testing;

namespace {

// `jpeg` with an APP1 EXIF block that holds `tiff`.
QByteArray withExif(const QByteArray& jpeg, const QByteArray& tiff)
{
    const QByteArray block = QByteArray("Exif\0\0", 6) + tiff;
    const qsizetype length = block.size() + 2;
    return jpeg.left(2) + "\xff\xe1" + char(length >> 8) + char(length & 0xff) + block + jpeg.mid(2);
}
// A TIFF header with one directory entry: the orientation.
QByteArray orientationTiff(int orientation, bool bigEndian)
{
    if (bigEndian)
        return QByteArray("MM\0\x2a\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0", 19) + char(orientation) + QByteArray(6, 0);
    return QByteArray("II\x2a\0\x08\0\0\0\x01\0\x12\x01\x03\0\x01\0\0\0", 18) + char(orientation) + QByteArray(7, 0);
}

bool near(QRgb a, QRgb b, int by = 40)
{
    return qAbs(qRed(a) - qRed(b)) < by && qAbs(qGreen(a) - qGreen(b)) < by && qAbs(qBlue(a) - qBlue(b)) < by;
}

} // namespace

class TestPictureLoader : public QObject {
    Q_OBJECT

    testing::MediaFolder m_media;
    QtPictureLoader m_loader;

    QString write(const QString& name, const QByteArray& bytes)
    {
        m_media.addFile(QStringLiteral("Images"), name, bytes);
        return m_media.subFolder(QStringLiteral("Images")) + u'/' + name;
    }
    // The load's picture, or its error number and description.
    QString outcome(const QString& path, QImage& image)
    {
        try {
            image = m_loader.load(path, {100, 200});
            return {};
        } catch (const RuntimeError& error) {
            return QString::number(error.number()) + u' ' + error.description();
        }
    }

private Q_SLOTS:
    void phonePhotosComeOutUprightAndSharp()
    {
        // Upright 800 by 1600: red top-left corner, otherwise black and white bands 8 pixels high, which
        // survive decoding at 1/8 only when the picture is decoded at its turned size. Stored on its
        // side (orientation 6), big-endian.
        QImage upright(800, 1600, QImage::Format_RGB32);
        for (int y = 0; y < upright.height(); ++y)
            for (int x = 0; x < upright.width(); ++x)
                upright.setPixel(x, y, (y / 8) % 2 ? qRgb(250, 250, 250) : qRgb(5, 5, 5));
        QPainter(&upright).fillRect(0, 0, 256, 256, Qt::red);
        const QString path = write(
            "turned.jpg", withExif(encoded(upright.transformed(QTransform().rotate(270)), "JPG"), orientationTiff(6, true)));
        QCOMPARE(QtPictureLoader::uprightSize(path), upright.size());
        const QImage image = m_loader.load(path, {100, 200});
        QCOMPARE(image.size(), QSize(100, 200));
        QVERIFY(near(image.pixel(3, 3), qRgb(255, 0, 0)));
        for (int y = 40; y < 199; ++y)
            QVERIFY2(qAbs(qGray(image.pixel(60, y)) - qGray(image.pixel(60, y + 1))) > 150, qPrintable(QString::number(y)));
    }

    // Every orientation, mirrored ones too, turns as Qt's own reader turns it; a broken EXIF block
    // turns nothing. Inverted CMYK as Adobe writes it comes out in the colours Qt's reader gives.
    void turnsAndColoursAsQtsReaderGivesThem()
    {
        QList<std::pair<QByteArray, bool>> blocks = {
            {QByteArray("II", 2), false},                                           // cut in the byte-order mark
            {QByteArray("XX\x2a\0\x08\0\0\0", 8), false},                           // unknown byte order
            {QByteArray("II\x2a\0\xfe\xff\xff\xff", 8) + QByteArray(12, 0), false}, // directory offset that wraps round
            {QByteArray("II\x2a\0\x08\0\0\0\xff\xff\x12\x01", 12), false},          // 65535 entries, one byte of them
            {orientationTiff(6, false).replace(12, 1, "\x04"), false},              // orientation as a LONG
        };
        for (int orientation = 1; orientation <= 8; ++orientation)
            blocks.append({orientationTiff(orientation, orientation % 2), true});
        // Behind the EXIF block, blocks the decoder skips unread (maker notes, colour profiles), longer
        // than one read; they are full of end markers, in case they were read.
        QByteArray padded = encoded(photo({64, 32}), "JPG");
        for (int i = 0; i < 3; ++i)
            padded.insert(2, QByteArray("\xff\xed\xfd\xea", 4) + QByteArray("\xff\xd9", 2).repeated(32500));
        QList<std::pair<QString, bool>> files{{QStringLiteral(TESSARINE_TEST_DATA "/cmyk.jpg"), true}};
        for (qsizetype i = 0; i < blocks.size(); ++i)
            files.append({write(QStringLiteral("exif%1.jpg").arg(i), withExif(padded, blocks[i].first)), blocks[i].second});
        for (const auto& [path, turned] : files) {
            QImageReader reader(path);
            reader.setAutoTransform(turned);
            const QImage expected = reader.read();
            const QImage image = m_loader.load(path, {});
            QCOMPARE(image.size(), expected.size());
            for (const QPoint at : {QPoint(2, 2), QPoint(image.width() - 3, 2), QPoint(2, image.height() - 3)})
                QVERIFY2(near(image.pixel(at), expected.pixel(at), 12), qPrintable(path));
        }
    }

    void strayBytesAreNotDamageButTruncationIs()
    {
        const QByteArray progressive = encoded(photo({160, 120}), "JPG", true);
        const qsizetype secondScan = progressive.indexOf("\xff\xda", progressive.indexOf("\xff\xda") + 2);
        QVERIFY(secondScan > 0);
        // A load that fails throws, which fails the test.
        QCOMPARE(m_loader.load(write("stray.jpg", QByteArray(progressive).insert(secondScan, "\x12\x34")), {}),
                 m_loader.load(write("clean.jpg", progressive), {}));

        // Whether or not the library's warnings are logged; the default rules last.
        for (const QString& rules : {QStringLiteral("qt.gui.imageio.jpeg.warning=false"), QString()}) {
            QLoggingCategory::setFilterRules(rules);
            for (const QByteArray& bytes : {encoded(photo({160, 120}), "JPG"), progressive}) {
                QImage image;
                const QString path = write("cut.jpg", bytes.left(bytes.size() * 2 / 3));
                QCOMPARE(outcome(path, image), "481 Invalid picture " + path + " (damaged: Premature end of JPEG file)");
            }
        }
    }

    void threadsDecodingAtOnceAgreeWithOne()
    {
        const QByteArray jpeg = encoded(photo({640, 480}), "JPG");
        const QStringList paths = {write("a.jpg", withExif(jpeg, orientationTiff(6, true))),
                                   write("b.jpg", jpeg.left(jpeg.size() / 2)),
                                   write("c.jpg", encoded(photo({300, 500}), "JPG", true))};
        QList<QImage> images(paths.size());
        QStringList errors;
        for (qsizetype i = 0; i < paths.size(); ++i)
            errors << outcome(paths[i], images[i]);
        QVERIFY(errors[0].isEmpty() && !errors[1].isEmpty() && errors[2].isEmpty());

        std::vector<int> mismatches(4, 0);
        std::vector<std::jthread> threads;
        for (int t = 0; t < 4; ++t)
            threads.emplace_back([&, t] {
                for (int round = 0; round < 20; ++round) {
                    const qsizetype i = (t + round) % paths.size();
                    QImage image;
                    if (outcome(paths[i], image) != errors[i] || image != images[i])
                        ++mismatches[t];
                }
            });
        threads.clear(); // joins them
        QCOMPARE(mismatches, std::vector<int>(4, 0));
    }
};

QTEST_GUILESS_MAIN(TestPictureLoader)
#include "test_picture_loader.moc"
