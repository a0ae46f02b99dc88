#include "platform/PictureLoader.h"

#include "core/RuntimeError.h"
#include "platform/JpegDecoder.h"

#include <QFileInfo>
#include <QImageReader>

namespace tessarine {

namespace {

// Why a picture cannot be loaded, kept in English for records and the checker, and shown translated.
struct Reason {
    QString english;
    QString shown;
};

template <typename... Args>
Reason reason(const char* source, const Args&... args)
{
    if constexpr (sizeof...(Args) == 0)
        return {QString::fromUtf8(source), translatedText("PictureLoader", source)};
    else
        return {QString::fromUtf8(source).arg(args...), translatedText("PictureLoader", source).arg(args...)};
}

// The decoders' own words are not in our catalogue.
Reason untranslated(const QString& words) { return {words, words}; }

RuntimeError invalidPicture(const QString& path, const Reason& why)
{
    //: %1 is the picture's file, %2 why it cannot be loaded
    const char* const text = QT_TRANSLATE_NOOP("PictureLoader", "Invalid picture %1 (%2)");
    return {ErrorNumber::InvalidPicture, QString::fromUtf8(text).arg(path, why.english),
            translatedText("PictureLoader", text).arg(path, why.shown)};
}

void refuseEnormous(const QString& path, QSize declared)
{
    if (qint64(declared.width()) * declared.height() > QtPictureLoader::MaxPixels)
        throw invalidPicture(path, reason(QT_TRANSLATE_NOOP("PictureLoader", "too large: %1 by %2"),
                                          QString::number(declared.width()), QString::number(declared.height())));
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
            throw invalidPicture(path, reason(QT_TRANSLATE_NOOP("PictureLoader", "not a readable picture")));
        refuseEnormous(path, declared);
        // The reader scales before it turns.
        if (isBox(box))
            m_reader.setScaledSize(liesOnSide() ? box.transposed() : box);
        QImage image = m_reader.read();
        if (image.isNull())
            throw invalidPicture(path, untranslated(m_reader.errorString()));
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
        throw translatedError(ErrorNumber::FileNotFound, "PictureLoader",
                              QT_TRANSLATE_NOOP("PictureLoader", "File not found: %1"), path);
    if (info.isDir())
        throw invalidPicture(path, reason(QT_TRANSLATE_NOOP("PictureLoader", "it is a folder")));

    JpegDecoder jpeg(path);
    if (!jpeg.isJpeg())
        return OtherFormatReader(path).read(path, box);
    if (!jpeg.readHeader())
        throw invalidPicture(path, reason(QT_TRANSLATE_NOOP("PictureLoader", "not a readable picture: %1"), jpeg.error()));
    refuseEnormous(path, jpeg.storedSize());
    const QImage image = jpeg.decode(isBox(box) ? box : QSize());
    if (image.isNull())
        throw invalidPicture(path, {jpeg.error(), jpeg.shownError()});
    if (!jpeg.damage().isEmpty())
        throw invalidPicture(path, reason(QT_TRANSLATE_NOOP("PictureLoader", "damaged: %1"), jpeg.damage()));
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
