#include "core/RuntimeError.h"
#include "pictures/CardMaker.h"
#include "pictures/CollectionEditor.h"
#include "pictures/CropFrame.h"
#include "pictures/PictureFiles.h"
#include "pictures/PictureReader.h"

#include <QImageReader>
#include <QImageWriter>
#include <QLocale>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessarine;
using namespace tessarine::testing;

// Reading every format upright, cropping to the boxes' proportions, and the cards.
class TestPictures : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString file(const QString& name) const { return m_dir.filePath(name); }

    static QString readProblem(const QString& path)
    {
        try {
            PictureReader::read(path);
            return {};
        } catch (const RuntimeError& error) {
            return error.number() == ErrorNumber::InvalidPicture ? error.description() : QStringLiteral("wrong number");
        }
    }

private Q_SLOTS:
    void eachFormatIsRead_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        const QImage picture = quadrants({64, 48});
        for (const char* format : {"jpeg", "png", "webp", "bmp", "tiff"}) {
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            QImageWriter writer(&buffer, format);
            writer.setQuality(95);
            QVERIFY2(writer.write(picture), format);
            QTest::newRow(format) << QStringLiteral("picture.") + QLatin1String(format) << bytes;
        }
        QTest::newRow("gif") << QStringLiteral("picture.gif") << gifOf(picture);
        QTest::newRow("svg") << QStringLiteral("picture.svg") << svgQuadrants({64, 48});
    }
    void eachFormatIsRead()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QVERIFY(writeFile(file(name), bytes));
        QVERIFY(PictureReader::hasPictureSuffix(name));
        const QImage whole = PictureReader::read(file(name));
        QCOMPARE(whole.size(), QSize(64, 48));
        QCOMPARE(PictureReader::uprightSize(file(name)), QSize(64, 48));
        QVERIFY2(quadrantProblem(whole).isEmpty(), qPrintable(quadrantProblem(whole)));
        // A preview keeps the proportions and the places.
        const QImage preview = PictureReader::read(file(name), {32, 32});
        QCOMPARE(preview.size(), QSize(32, 24));
        QVERIFY2(quadrantProblem(preview).isEmpty(), qPrintable(quadrantProblem(preview)));
    }

    void heicIsReadUpright()
    {
        const QString path = file(QStringLiteral("phone.heic"));
        // Stored lying down; the file says to turn it a quarter clockwise.
        const QString notWritten = writeHeic(path, quadrants({64, 48}).transformed(QTransform().rotate(-90)), 6);
        if (!notWritten.isEmpty())
            QSKIP(qPrintable(QStringLiteral("HEIC not tested: ") + notWritten));
        const QImage picture = PictureReader::read(path);
        QCOMPARE(picture.size(), QSize(64, 48));
        QVERIFY2(quadrantProblem(picture).isEmpty(), qPrintable(quadrantProblem(picture)));
        QCOMPARE(PictureReader::read(path, {16, 16}).size(), QSize(16, 12));
        QCOMPARE(PictureReader::uprightSize(path), QSize(64, 48));
    }

    void exifOrientationIsApplied_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QTransform>("storing");
        // How a camera stores an upright scene for each orientation it writes.
        QTest::newRow("upright") << 1 << QTransform();
        QTest::newRow("upside down") << 3 << QTransform().rotate(180);
        QTest::newRow("turned clockwise") << 6 << QTransform().rotate(-90);
        QTest::newRow("turned anticlockwise") << 8 << QTransform().rotate(90);
        QTest::newRow("mirrored") << 2 << QTransform().scale(-1, 1);
    }
    void exifOrientationIsApplied()
    {
        QFETCH(int, orientation);
        QFETCH(QTransform, storing);
        const QString path = file(QStringLiteral("turned%1.jpg").arg(orientation));
        QVERIFY(writeFile(path, jpegWithOrientation(quadrants({96, 64}).transformed(storing), orientation)));
        const QImage picture = PictureReader::read(path);
        QCOMPARE(picture.size(), QSize(96, 64));
        QVERIFY2(quadrantProblem(picture).isEmpty(), qPrintable(quadrantProblem(picture)));
        QCOMPARE(PictureReader::uprightSize(path), QSize(96, 64));
        // The reduced-scale decoding turns as well.
        const QImage preview = PictureReader::read(path, {48, 48});
        QCOMPARE(preview.size(), QSize(48, 32));
        QVERIFY2(quadrantProblem(preview).isEmpty(), qPrintable(quadrantProblem(preview)));
    }

    void unreadableFilesAreNamedInPlainWords()
    {
        const QByteArray jpeg = jpegWithOrientation(quadrants({64, 48}), 1);
        QVERIFY(writeFile(file(QStringLiteral("cut.jpg")), jpeg.left(jpeg.size() / 2)));
        QVERIFY(writeFile(file(QStringLiteral("letter.png")), "Dear parents,"));
        QVERIFY(writeFile(file(QStringLiteral("notes.txt")), "Dear parents,"));
        const QHash<QString, QString> expected{
            {QStringLiteral("cut.jpg"), QStringLiteral("damaged")},
            {QStringLiteral("letter.png"), QStringLiteral("damaged")},
            {QStringLiteral("notes.txt"), QStringLiteral("not a picture this computer can read")},
            {QStringLiteral("gone.jpg"), QStringLiteral("does not exist")}};
        for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
            const QString problem = readProblem(file(it.key()));
            QVERIFY2(problem.contains(it.key()) && problem.contains(it.value()),
                     qPrintable(it.key() + QStringLiteral(": ") + problem));
        }
        // A header promising more pixels than any photo is refused before decoding.
        QByteArray huge = jpeg;
        const qsizetype sof = huge.indexOf("\xFF\xC0");
        QVERIFY(sof > 0);
        for (const int at : {5, 7}) // 60000 by 60000
            huge[sof + at] = char(0xea), huge[sof + at + 1] = char(0x60);
        QVERIFY(writeFile(file(QStringLiteral("huge.jpg")), huge));
        QVERIFY2(readProblem(file(QStringLiteral("huge.jpg"))).contains(QStringLiteral("too large")),
                 qPrintable(readProblem(file(QStringLiteral("huge.jpg")))));
    }

    void cropFrameKeepsTheBoxProportionsInsideThePicture()
    {
        QCOMPARE(CropFrame::objectAspect(), 2.0);
        CropFrame object({4000, 3000}, CropFrame::objectAspect());
        QCOMPARE(object.rect(), QRect(0, 500, 4000, 2000));
        CropFrame square({4000, 3000}, CropFrame::SquareAspect);
        QCOMPARE(square.rect(), QRect(500, 0, 3000, 3000));
        QCOMPARE(CropFrame({1000, 3000}, CropFrame::objectAspect()).rect(), QRect(0, 1250, 1000, 500));

        square.moveBy(-10000, 40);
        QCOMPARE(square.rect(), QRect(0, 0, 3000, 3000));
        square.resizeBy(-2000);
        QCOMPARE(square.rect(), QRect(1000, 1000, 1000, 1000));
        square.moveTo({3900, 2900});
        QCOMPARE(square.rect(), QRect(3000, 2000, 1000, 1000));
        // Growing at the edge pushes the frame back inside, never past the picture's height.
        square.resizeBy(5000);
        QCOMPARE(square.rect(), QRect(1000, 0, 3000, 3000));
        square.resizeBy(-100000);
        QCOMPARE(square.rect().size(), QSize(CropFrame::MinimumSide, CropFrame::MinimumSide));

        object.setRect(QRect(3500, 2500, 900, 100));
        QCOMPARE(object.rect(), QRect(3100, 2325, 900, 450));
        object.reset();
        QCOMPARE(object.rect(), QRect(0, 500, 4000, 2000));
    }

    void savedPicturesAreCroppedUprightAndBounded()
    {
        // A phone photo lying on its side, larger than the saved pictures may be.
        const QString source = file(QStringLiteral("phone.jpg"));
        QVERIFY(writeFile(source, jpegWithOrientation(quadrants({3200, 2400}).transformed(QTransform().rotate(-90)), 6)));
        const QByteArray sourceBytes = readFile(source);
        const QImage upright = PictureReader::read(source, CollectionEditor::readingSize(PictureReader::uprightSize(source)));
        QCOMPARE(upright.size(), QSize(2133, 1600));
        CollectionEditor editor(file(QStringLiteral("collection")));
        const QString saved = editor.saveObject(upright, CropFrame(upright.size(), CropFrame::objectAspect()).rect(),
                                                PictureName::parse(QStringLiteral("cup.colour.red")));
        QCOMPARE(saved, file(QStringLiteral("collection/Images/cup.colour.red.jpg")));
        QImageReader reader(saved);
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        QCOMPARE(reader.transformation(), QImageIOHandler::TransformationNone);
        const QImage written = reader.read();
        QCOMPARE(written.size(), QSize(1600, 800));
        QVERIFY2(quadrantProblem(written).isEmpty(), qPrintable(quadrantProblem(written)));

        // A crop off centre keeps what it framed: the top left quadrant alone.
        const QString corner = editor.saveSymbol(upright, QRect(0, 0, 400, 400), QStringLiteral("cup"));
        const QImage symbol(corner);
        QCOMPARE(symbol.size(), QSize(400, 400));
        QVERIFY(near(symbol.pixelColor(10, 10), TopLeft) && near(symbol.pixelColor(390, 390), TopLeft));
        QCOMPARE(readFile(source), sourceBytes);

        // Transparent parts of a drawing come out white, not black.
        QImage drawing(100, 100, QImage::Format_ARGB32);
        drawing.fill(Qt::transparent);
        const QImage flat(editor.saveAttribute(drawing, drawing.rect(), QStringLiteral("shape"), QStringLiteral("round")));
        QVERIFY(near(flat.pixelColor(50, 50), Qt::white, 8));
    }

    void cardsForColoursAndForWords()
    {
        const QImage red = makeCard(QStringLiteral("colour"), QStringLiteral("Red"), 200);
        QCOMPARE(red.size(), QSize(200, 200));
        QCOMPARE(red.pixelColor(0, 0), colourNamed(QStringLiteral("red")).value());
        QCOMPARE(red.pixelColor(100, 100), colourNamed(QStringLiteral("red")).value());
        QCOMPARE(makeCard(QStringLiteral("color"), QStringLiteral("gray"), 50).pixelColor(25, 25), QColor(128, 128, 128));
        QVERIFY(!colourNamed(QStringLiteral("rosso")));

        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        const QImage rosso = makeCard(QStringLiteral("colore"), QStringLiteral("rosso"), 60);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(rosso.pixelColor(30, 30), colourNamed(QStringLiteral("red")).value());

        // A value that is no colour, or a colour under another category, is written on a white card.
        for (const auto& [category, value] :
             {std::pair{"shape", "round"}, std::pair{"colour", "sky"}, std::pair{"size", "red"}}) {
            const QImage card = makeCard(QLatin1String(category), QLatin1String(value), 200);
            QCOMPARE(card.size(), QSize(200, 200));
            QCOMPARE(card.pixelColor(2, 2), QColor(Qt::white));
            int dark = 0;
            for (int y = 0; y < 200; ++y) {
                for (int x = 0; x < 200; ++x)
                    dark += qGray(card.pixel(x, y)) < 100;
            }
            // Written large: a good part of the card is ink, but far from all of it.
            QVERIFY2(dark > 200 * 200 / 50 && dark < 200 * 200 / 2, qPrintable(QStringLiteral("%1 dark pixels").arg(dark)));
        }
    }
};

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
