#include "pictures/PictureReader.h"

#include "core/RuntimeError.h"
#include "pictures/HeifReader.h"
#include "platform/JpegDecoder.h"
#include "platform/PictureLoader.h"

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

RuntimeError unreadable(const QString& path, const QString& what)
{
    return {ErrorNumber::InvalidPicture, QStringLiteral("%1 %2.").arg(QDir::toNativeSeparators(path), what)};
}

void refuseEnormous(const QString& path, QSize size)
{
    if (qint64(size.width()) * size.height() > QtPictureLoader::MaxPixels)
        throw unreadable(
            path,
            QStringLiteral("is too large a picture (%1 by %2 pixels) to be read here").arg(size.width()).arg(size.height()));
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
        throw unreadable(path, QStringLiteral("does not exist"));
    if (info.isDir())
        throw unreadable(path, QStringLiteral("is a folder, not a picture"));
}

QByteArray headOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw unreadable(path, QStringLiteral("could not be opened: %1").arg(file.errorString()));
    return file.read(64);
}

QString notReadableHere(const QString& path)
{
    return PictureReader::hasPictureSuffix(path) ? QStringLiteral("is damaged, or is not the kind of picture its name says")
                                                 : QStringLiteral("is not a picture this computer can read");
}

// JPEG through the program's own decoder: it tells a damaged file from a whole one, decodes at a
// reduced scale when a smaller picture is wanted, and turns the picture upright as EXIF says.
QImage readJpeg(const QString& path, QSize bound, bool sizeOnly, QSize& size)
{
    JpegDecoder jpeg(path);
    if (!jpeg.readHeader())
        throw unreadable(path, QStringLiteral("is a damaged JPEG picture (%1)").arg(jpeg.error()));
    refuseEnormous(path, jpeg.storedSize());
    size = jpeg.uprightSize();
    if (sizeOnly)
        return {};
    const QImage image = jpeg.decode(fitted(size, bound));
    if (image.isNull())
        throw unreadable(path, QStringLiteral("could not be read (%1)").arg(jpeg.error()));
    if (!jpeg.damage().isEmpty())
        throw unreadable(path, QStringLiteral("is a damaged JPEG picture (%1)").arg(jpeg.damage()));
    return image;
}

QImage readHeif(const QString& path, QSize bound, bool sizeOnly, QSize& size)
{
    QString error;
    size = HeifReader::size(path, error);
    if (size.isEmpty())
        throw unreadable(path, QStringLiteral("is a HEIC/HEIF picture that could not be read (%1)").arg(error));
    refuseEnormous(path, size);
    if (sizeOnly)
        return {};
    const QImage image = HeifReader::read(path, QtPictureLoader::MaxPixels, error);
    if (image.isNull())
        throw unreadable(path, QStringLiteral("is a HEIC/HEIF picture that could not be read (%1)").arg(error));
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
        throw unreadable(path, notReadableHere(path));
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
        throw unreadable(path, QStringLiteral("is damaged (%1)").arg(reader.errorString()));
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
