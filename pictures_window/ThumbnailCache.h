#pragma once

#include <QHash>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QString>
#include <QThreadPool>

#include <atomic>
#include <deque>

namespace tessarine {

// Small pictures of a collection's files for the Pictures window, decoded on worker threads and
// kept by path, file size and modification time: in memory for this window, and on disk in the
// desktop's cache folder for the next time, so that a large collection opens at once. Asking for a
// thumbnail that is not ready queues it before everything asked earlier, so what was shown last
// (what is on screen) is made first; `ready` tells when it is there.
class ThumbnailCache final : public QObject {
    Q_OBJECT

public:
    // Longest side of a thumbnail, in pixels.
    static constexpr int Side = 160;

    explicit ThumbnailCache(QString diskFolder = defaultFolder(), QObject* parent = nullptr);
    ~ThumbnailCache() override;

    // $XDG_CACHE_HOME/Corvaldi-Tessarine/thumbnails (~/.cache/... when the variable is unset).
    static QString defaultFolder();

    // The thumbnail when it is ready and the file has not changed since; otherwise a null image,
    // and the file is queued first. A file that cannot be read stays null and is not tried again
    // until it changes (`failed` then says so).
    QImage thumbnail(const QString& path);
    bool failed(const QString& path) const;
    // Queues files after everything else, for rows about to be shown.
    void prefetch(const QStringList& paths);
    // Files queued or being made.
    qsizetype pending() const { return static_cast<qsizetype>(m_queue.size()) + m_running.size(); }
    // How many thumbnails were decoded from their pictures (not taken from the disk) so far.
    int decoded() const { return m_decoded.load(); }

    // The thumbnail of one file, from the disk cache in `diskFolder` or decoded from the picture (and
    // then written to the disk cache). Null when the picture cannot be read. Safe on any thread.
    static QImage make(const QString& path, const QString& diskFolder, std::atomic<int>* decoded = nullptr);

Q_SIGNALS:
    void ready(const QString& path);

private:
    struct Entry {
        QString stamp; // size and modification time the image was made from
        QImage image;
    };
    void queue(const QString& path, bool first);
    void dispatch();
    void finished(const QString& path, const QString& stamp, const QImage& image);

    QString m_diskFolder;
    QThreadPool m_pool;
    QHash<QString, Entry> m_memory;
    std::deque<QString> m_queue;
    QSet<QString> m_queued;
    QSet<QString> m_running;
    std::atomic<int> m_decoded = 0;
};

} // namespace tessarine
