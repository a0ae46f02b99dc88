#include "pictures/PictureReader.h"

#include "core/RuntimeError.h"
#include "pictures/HeifReader.h"
#include "platform/JpegDecoder.h"
#include "platform/PictureLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace tessarine {

namespace {

// Qt's plugin format, and the suffixes its files carry.
struct Format {
    const char* plugin;
    QStringList suffixes;
};

const QList<Format>& qtFormats()
{
    static const QList<Format> formats{
        {"jpeg", {QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("jpe")}},
        {"png", {QStringLiteral("png")}},
        {"webp", {QStringLiteral("webp")}},
        {"gif", {QStringLiteral("gif")}},
        {"bmp", {QStringLiteral("bmp")}},
        {"tiff", {QStringLiteral("tif"), QStringLiteral("tiff")}},
        {"svg", {QStringLiteral("svg")}},
        {"svgz", {QStringLiteral("svgz")}},
    };
    return formats;
}

const QStringList HeifSuffixes{QStringLiteral("heic"), QStringLiteral("heif"), QStringLiteral("hif")};

// The suffixes this computer reads: libheif's always (we link it), Qt's where its plugin is installed.
QStringList readableSuffixes()
{
    QStringList suffixes = HeifSuffixes;
    const QList<QByteArray> installed = QImageReader::supportedImageFormats();
    for (const Format& format : qtFormats()) {
        if (installed.contains(QByteArray(format.plugin)))
            suffixes += format.suffixes;
    }
    return suffixes;
}

// `sentence` names the file as %1.
RuntimeError unreadable(const QString& sentence, const QString& path)
{
    return {ErrorNumber::InvalidPicture, sentence.arg(QDir::toNativeSeparators(path))};
}

// `sentence` names the file as %1 and says why as %2.
RuntimeError unreadable(const QString& sentence, const QString& path, const QString& why)
{
    return {ErrorNumber::InvalidPicture, sentence.arg(QDir::toNativeSeparators(path), why)};
}

void refuseEnormous(const QString& path, QSize size)
{
    if (qint64(size.width()) * size.height() > QtPictureLoader::MaxPixels)
        //: %1 is the file, %2 by %3 its width and height
        throw RuntimeError(
            ErrorNumber::InvalidPicture,
            QCoreApplication::translate("PictureReader", "%1 is too large a picture (%2 by %3 pixels) to be read here.")
                .arg(QDir::toNativeSeparators(path), QString::number(size.width()), QString::number(size.height())));
}

// Smaller to fit inside the bound, never larger.
QSize fitted(QSize size, QSize bound)
{
    if (!bound.isValid() || bound.isEmpty() || (size.width() <= bound.width() && size.height() <= bound.height()))
        return size;
    return size.scaled(bound, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

QImage scaledTo(QImage image, QSize size)
{
    return image.size() == size ? image : image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void checkFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw unreadable(QCoreApplication::translate("PictureReader", "%1 does not exist."), path);
    if (info.isDir())
        throw unreadable(QCoreApplication::translate("PictureReader", "%1 is a folder, not a picture."), path);
}

QByteArray headOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        //: %1 is the file, %2 the system's reason
        throw unreadable(QCoreApplication::translate("PictureReader", "%1 could not be opened: %2."), path, file.errorString());
    return file.read(64);
}

QString notReadableHere(const QString& path)
{
    return PictureReader::hasPictureSuffix(path)
               ? QCoreApplication::translate("PictureReader", "%1 is damaged, or is not the kind of picture its name says.")
               : QCoreApplication::translate("PictureReader", "%1 is not a picture this computer can read.");
}

// JPEG through the program's own decoder: it tells a damaged file from a whole one, decodes at a
// reduced scale when a smaller picture is wanted, and turns the picture upright as EXIF says.
QImage readJpeg(const QString& path, QSize bound, bool sizeOnly, QSize& size)
{
    JpegDecoder jpeg(path);
    if (!jpeg.readHeader())
        //: %1 is the file, %2 the decoder's reason
        throw unreadable(QCoreApplication::translate("PictureReader", "%1 is a damaged JPEG picture (%2)."), path, jpeg.error());
    refuseEnormous(path, jpeg.storedSize());
    size = jpeg.uprightSize();
    if (sizeOnly)
        return {};
    const QImage image = jpeg.decode(fitted(size, bound));
    if (image.isNull())
        //: %1 is the file, %2 the decoder's reason
        throw unreadable(QCoreApplication::translate("PictureReader", "%1 could not be read (%2)."), path, jpeg.error());
    if (!jpeg.damage().isEmpty())
        throw unreadable(QCoreApplication::translate("PictureReader", "%1 is a damaged JPEG picture (%2)."), path, jpeg.damage());
    return image;
}

QImage readHeif(const QString& path, QSize bound, bool sizeOnly, QSize& size)
{
    QString error;
    size = HeifReader::size(path, error);
    if (size.isEmpty())
        //: %1 is the file, %2 the reason libheif gives
        throw unreadable(QCoreApplication::translate("PictureReader", "%1 is a HEIC/HEIF picture that could not be read (%2)."),
                         path, error);
    refuseEnormous(path, size);
    if (sizeOnly)
        return {};
    const QImage image = HeifReader::read(path, QtPictureLoader::MaxPixels, error);
    if (image.isNull())
        throw unreadable(QCoreApplication::translate("PictureReader", "%1 is a HEIC/HEIF picture that could not be read (%2)."),
                         path, error);
    size = image.size();
    return scaledTo(image, fitted(size, bound));
}

QImage readWithQt(const QString& path, QSize bound, bool sizeOnly, QSize& size)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    if (!reader.canRead() || !stored.isValid() || stored.isEmpty())
        throw unreadable(notReadableHere(path), path);
    refuseEnormous(path, stored);
    const bool onSide = reader.transformation() & QImageIOHandler::TransformationRotate90;
    size = onSide ? stored.transposed() : stored;
    if (sizeOnly)
        return {};
    const QSize wanted = fitted(size, bound);
    // The reader scales before it turns; drawings (SVG) are drawn straight at the size wanted.
    if (wanted != size)
        reader.setScaledSize(onSide ? wanted.transposed() : wanted);
    const QImage image = reader.read();
    if (image.isNull())
        //: %1 is the file, %2 the reader's reason
        throw unreadable(QCoreApplication::translate("PictureReader", "%1 is damaged (%2)."), path, reader.errorString());
    return scaledTo(image, wanted);
}

QImage readAny(const QString& path, QSize bound, bool sizeOnly, QSize& size)
{
    checkFile(path);
    const QByteArray head = headOf(path);
    if (head.startsWith("\xFF\xD8\xFF"))
        return readJpeg(path, bound, sizeOnly, size);
    if (HeifReader::looksLikeHeif(head))
        return readHeif(path, bound, sizeOnly, size);
    return readWithQt(path, bound, sizeOnly, size);
}

} // namespace

QStringList PictureReader::nameFilters()
{
    QStringList filters;
    for (const QString& suffix : readableSuffixes())
        filters << QStringLiteral("*.") + suffix << QStringLiteral("*.") + suffix.toUpper();
    return filters;
}

bool PictureReader::hasPictureSuffix(const QString& path)
{
    return readableSuffixes().contains(QFileInfo(path).suffix(), Qt::CaseInsensitive);
}

QImage PictureReader::read(const QString& path, QSize bound)
{
    QSize size;
    return readAny(path, bound, false, size);
}

QSize PictureReader::uprightSize(const QString& path)
{
    QSize size;
    readAny(path, {}, true, size);
    return size;
}

} // namespace tessarine
