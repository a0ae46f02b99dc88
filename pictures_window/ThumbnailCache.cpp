#include "pictures_window/ThumbnailCache.h"

#include "pictures/PictureReader.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QSaveFile>
#include <QtConcurrent>

#include <algorithm>

namespace tessarine {

namespace {

QString stampOf(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return QStringLiteral("%1:%2").arg(info.size()).arg(info.lastModified().toMSecsSinceEpoch());
}

// One name per path, size, modification time and thumbnail size: a changed picture gets a new one.
QString diskName(const QString& path, const QString& stamp)
{
    const QByteArray key
        = (QFileInfo(path).absoluteFilePath() + u'\n' + stamp + u'\n' + QString::number(ThumbnailCache::Side)).toUtf8();
    return QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex());
}

// Upright and small, in any format the collection's pictures may come in; large JPEG photos are
// decoded at a fraction of their size to start with.
QImage decode(const QString& path)
{
    try {
        return PictureReader::read(path, QSize(ThumbnailCache::Side, ThumbnailCache::Side));
    } catch (...) {
        // Shown as a picture that cannot be read; the checker says why.
        return {};
    }
}

} // namespace

ThumbnailCache::ThumbnailCache(QString diskFolder, QObject* parent)
    : QObject(parent)
    , m_diskFolder(std::move(diskFolder))
{
    m_pool.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
}

ThumbnailCache::~ThumbnailCache()
{
    m_pool.clear();
    m_pool.waitForDone();
}

QString ThumbnailCache::defaultFolder()
{
    QString base = qEnvironmentVariable("XDG_CACHE_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::home().filePath(QStringLiteral(".cache"));
    return QDir(base).filePath(QStringLiteral("Corvaldi-Tessarine/thumbnails"));
}

QImage ThumbnailCache::make(const QString& path, const QString& diskFolder, std::atomic<int>* decoded)
{
    const QString stamp = stampOf(path);
    if (stamp.isEmpty())
        return {};
    const QDir disk(diskFolder);
    const QString name = diskName(path, stamp);
    for (const char* suffix : {".jpg", ".png"}) {
        const QString stored = disk.filePath(name + QLatin1String(suffix));
        if (QFileInfo::exists(stored)) {
            QImage image(stored);
            if (!image.isNull())
                return image;
        }
    }
    QImage image = decode(path);
    if (decoded)
        ++*decoded;
    if (image.isNull())
        return image;
    // Photos as JPEG (small, quick); pictures with transparency as PNG, which keeps it. A cache
    // that cannot be written only costs the next opening its speed.
    const bool alpha = image.hasAlphaChannel();
    if (disk.mkpath(QStringLiteral("."))) {
        QSaveFile file(disk.filePath(name + (alpha ? QStringLiteral(".png") : QStringLiteral(".jpg"))));
        if (file.open(QIODevice::WriteOnly) && image.save(&file, alpha ? "PNG" : "JPG", alpha ? -1 : 85))
            file.commit();
    }
    return image;
}

QImage ThumbnailCache::thumbnail(const QString& path)
{
    const auto found = m_memory.constFind(path);
    if (found != m_memory.constEnd() && found->stamp == stampOf(path))
        return found->image;
    queue(path, true);
    return {};
}

bool ThumbnailCache::failed(const QString& path) const
{
    const auto found = m_memory.constFind(path);
    return found != m_memory.constEnd() && found->image.isNull() && found->stamp == stampOf(path);
}

void ThumbnailCache::prefetch(const QStringList& paths)
{
    for (const QString& path : paths)
        if (!m_memory.contains(path))
            queue(path, false);
}

void ThumbnailCache::queue(const QString& path, bool first)
{
    if (m_running.contains(path))
        return;
    if (m_queued.contains(path)) {
        if (!first)
            return;
        m_queue.erase(std::find(m_queue.begin(), m_queue.end(), path));
    }
    m_queued.insert(path);
    if (first)
        m_queue.push_front(path);
    else
        m_queue.push_back(path);
    dispatch();
}

void ThumbnailCache::dispatch()
{
    // No more at a time than the pool runs, so that what is asked for next can still go first.
    while (!m_queue.empty() && m_running.size() < m_pool.maxThreadCount()) {
        const QString path = m_queue.front();
        m_queue.pop_front();
        m_queued.remove(path);
        m_running.insert(path);
        auto* watcher = new QFutureWatcher<std::pair<QString, QImage>>(this);
        connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, path] {
            const auto [stamp, image] = watcher->result();
            watcher->deleteLater();
            finished(path, stamp, image);
        });
        const QString disk = m_diskFolder;
        watcher->setFuture(QtConcurrent::run(&m_pool, [path, disk, decoded = &m_decoded] {
            const QString stamp = stampOf(path);
            return std::pair{stamp, make(path, disk, decoded)};
        }));
    }
}

void ThumbnailCache::finished(const QString& path, const QString& stamp, const QImage& image)
{
    m_running.remove(path);
    m_memory.insert(path, {stamp, image});
    Q_EMIT ready(path);
    dispatch();
}

} // namespace tessarine
