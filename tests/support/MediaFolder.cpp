#include "support/MediaFolder.h"

#include <QDir>
#include <QFile>
#include <QImage>

namespace tessarine::testing {

MediaFolder::MediaFolder()
{
    for (const char* name : {"Images", "Symbols", "Attributes", "Sounds"})
        QDir(m_dir.path()).mkdir(QString::fromLatin1(name));
}

QString MediaFolder::subFolder(const QString& name) const { return QDir(m_dir.path()).filePath(name); }

void MediaFolder::addPicture(const QString& subFolder, const QString& name, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor::fromRgb(static_cast<QRgb>(qHash(name)) | 0xff000000u));
    const QString file = QDir(this->subFolder(subFolder)).filePath(name);
    if (!image.save(file, "JPG"))
        qFatal("cannot write %s", qPrintable(file));
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
