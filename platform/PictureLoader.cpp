#include "platform/PictureLoader.h"

#include "core/RuntimeError.h"

#include <QFileInfo>
#include <QImageReader>

namespace tessarine {

namespace {

RuntimeError invalidPicture(const QString& path, const QString& reason)
{
    return {ErrorNumber::InvalidPicture, QStringLiteral("Invalid picture %1 (%2)").arg(path, reason)};
}

} // namespace

QImage QtPictureLoader::load(const QString& path, const QSize& box)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw RuntimeError(ErrorNumber::FileNotFound, QStringLiteral("File not found: %1").arg(path));
    if (info.isDir())
        throw invalidPicture(path, QStringLiteral("it is a folder"));

    QImageReader reader(path);
    // The extension says JPEG, but a picture saved under the wrong extension still loads.
    reader.setDecideFormatFromContent(true);
    const QSize declared = reader.size();
    if (!reader.canRead() || !declared.isValid() || declared.isEmpty())
        throw invalidPicture(path, QStringLiteral("not a readable picture"));
    if (qint64(declared.width()) * declared.height() > MaxPixels)
        throw invalidPicture(path, QStringLiteral("too large: %1 by %2").arg(declared.width()).arg(declared.height()));
    if (box.isValid() && !box.isEmpty())
        reader.setScaledSize(box);

    QImage image = reader.read();
    if (image.isNull())
        throw invalidPicture(path, reader.errorString());
    return image;
}

} // namespace tessarine
