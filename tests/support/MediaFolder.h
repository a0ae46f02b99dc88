#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace tessarine::testing {

// A throw-away program folder with the media sub-folders, filled with small real JPEG files.
// A picture with some detail in it, so that it compresses like a real one.
QImage photo(QSize size, QImage::Format format = QImage::Format_RGB32);
// `image` encoded in `format` ("JPG", "PNG", ...).
QByteArray encoded(const QImage& image, const char* format, bool progressive = false);
// A photo of `size` as JPEG bytes.
inline QByteArray jpegBytes(QSize size) { return encoded(photo(size), "JPG"); }

class MediaFolder {
public:
    MediaFolder();

    QString path() const { return m_dir.path(); }
    QString subFolder(const QString& name) const { return m_dir.filePath(name); }

    // Writes a small JPEG (a distinct colour per name) into `subFolder`.
    void addPicture(const QString& subFolder, const QString& name, QSize size = {8, 8});
    void addPictures(const QString& subFolder, const QStringList& names);
    // Writes raw bytes under a name, for files that are not what their name says.
    void addFile(const QString& subFolder, const QString& name, const QByteArray& content);

private:
    QTemporaryDir m_dir;
};

} // namespace tessarine::testing
