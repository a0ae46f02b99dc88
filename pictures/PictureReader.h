#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

namespace tessarine {

// Reads a teacher's photo or drawing in any format this computer can read: what Qt's image
// plugins read (JPEG, PNG, WebP, GIF, BMP, TIFF, SVG, ...) and phones' HEIC/HEIF photos through
// libheif. Pictures come back upright, as their EXIF orientation says. Safe on worker threads.
class PictureReader {
public:
    // "*.jpg *.jpeg *.png ..." (both letter cases) for file dialogs and for the files taken from a
    // dropped folder.
    static QStringList nameFilters();
    // Whether the name's suffix is one of those.
    static bool hasPictureSuffix(const QString& path);
    // The whole picture, upright; scaled down to fit `bound` (keeping its proportions) when one is
    // given, for previews. Throws RuntimeError (ErrorNumber::InvalidPicture) whose description names
    // the file and says in plain words what is wrong (no such file, a format this computer cannot
    // read, a damaged picture).
    static QImage read(const QString& path, QSize bound = {});
    // The size read() answers without a bound, from the file's header; throws as read() does when
    // the header cannot be read.
    static QSize uprightSize(const QString& path);
};

} // namespace tessarine
