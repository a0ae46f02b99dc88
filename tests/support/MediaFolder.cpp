#include "support/MediaFolder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>

namespace tessarine::testing {

QImage photo(QSize size, QImage::Format format)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb((x * 7) % 256, (y * 13) % 256, (x * y) % 256));
    return image.convertToFormat(format);
}

QByteArray encoded(const QImage& image, const char* format, bool progressive)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    if (!writer.write(image))
        qFatal("cannot encode a picture as %s", format);
    return bytes;
}

MediaFolder::MediaFolder()
{
    for (const char* name : {"Images", "Symbols", "Attributes", "Sounds"})
        QDir(m_dir.path()).mkdir(QString::fromLatin1(name));
}

void MediaFolder::addPicture(const QString& subFolder, const QString& name, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(static_cast<QRgb>(qHash(name)) | 0xff000000u);
    addFile(subFolder, name, encoded(image, "JPG"));
}

void MediaFolder::addPictures(const QString& subFolder, const QStringList& names)
{
    for (const QString& name : names)
        addPicture(subFolder, name);
}

void MediaFolder::addFile(const QString& subFolder, const QString& name, const QByteArray& content)
{
    QFile file(QDir(this->subFolder(subFolder)).filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(file.fileName()));
}

} // namespace tessarine::testing
