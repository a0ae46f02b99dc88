#include "platform/PictureLoader.h"

#include "core/RuntimeError.h"
#include "platform/JpegDecoder.h"

#include <QFileInfo>
#include <QImageReader>

namespace tessarine {

namespace {

RuntimeError invalidPicture(const QString& path, const QString& reason)
{
    return {ErrorNumber::InvalidPicture, QStringLiteral("Invalid picture %1 (%2)").arg(path, reason)};
}

void refuseEnormous(const QString& path, QSize declared)
{
    if (qint64(declared.width()) * declared.height() > QtPictureLoader::MaxPixels)
        throw invalidPicture(path, QStringLiteral("too large: %1 by %2").arg(declared.width()).arg(declared.height()));
}

bool isBox(QSize box) { return box.isValid() && !box.isEmpty(); }

// A picture saved under the wrong extension (a PNG named .jpg) still loads, through Qt's readers.
class OtherFormatReader {
public:
    explicit OtherFormatReader(const QString& path)
        : m_reader(path)
    {
        m_reader.setDecideFormatFromContent(true);
        m_reader.setAutoTransform(true);
    }

    bool liesOnSide() { return m_reader.transformation() & QImageIOHandler::TransformationRotate90; }

    // The stored size, or an empty size when the file is no picture Qt can read.
    QSize declared()
    {
        const QSize size = m_reader.size();
        return m_reader.canRead() && size.isValid() && !size.isEmpty() ? size : QSize();
    }

    QImage read(const QString& path, QSize box)
    {
        const QSize declared = this->declared();
        if (declared.isEmpty())
            throw invalidPicture(path, QStringLiteral("not a readable picture"));
        refuseEnormous(path, declared);
        // The reader scales before it turns.
        if (isBox(box))
            m_reader.setScaledSize(liesOnSide() ? box.transposed() : box);
        QImage image = m_reader.read();
        if (image.isNull())
            throw invalidPicture(path, m_reader.errorString());
        return image;
    }

private:
    QImageReader m_reader;
};

} // namespace

QImage QtPictureLoader::load(const QString& path, const QSize& box)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw RuntimeError(ErrorNumber::FileNotFound, QStringLiteral("File not found: %1").arg(path));
    if (info.isDir())
        throw invalidPicture(path, QStringLiteral("it is a folder"));

    JpegDecoder jpeg(path);
    if (!jpeg.isJpeg())
        return OtherFormatReader(path).read(path, box);
    if (!jpeg.readHeader())
        throw invalidPicture(path, QStringLiteral("not a readable picture: %1").arg(jpeg.error()));
    refuseEnormous(path, jpeg.storedSize());
    const QImage image = jpeg.decode(isBox(box) ? box : QSize());
    if (image.isNull())
        throw invalidPicture(path, jpeg.error());
    if (!jpeg.damage().isEmpty())
        throw invalidPicture(path, QStringLiteral("damaged: %1").arg(jpeg.damage()));
    return image;
}

QSize QtPictureLoader::uprightSize(const QString& path)
{
    JpegDecoder jpeg(path);
    if (jpeg.isJpeg())
        return jpeg.readHeader() ? jpeg.uprightSize() : QSize();
    OtherFormatReader reader(path);
    const QSize declared = reader.declared();
    return reader.liesOnSide() ? declared.transposed() : declared;
}

} // namespace tessarine
