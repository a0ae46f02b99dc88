#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace tessarine {

// Loads a picture from a full path, turned upright as its EXIF orientation says. The picture is
// decoded straight at `box` size when one is given (the boxes stretch their picture anyway), so
// large photos cost neither time nor memory. Safe to call from several threads at once.
// Throws RuntimeError with a clear description when the path names no loadable picture.
class IPictureLoader {
public:
    virtual ~IPictureLoader() = default;
    virtual QImage load(const QString& path, const QSize& box) = 0;
};

class QtPictureLoader final : public IPictureLoader {
public:
    // Pictures declaring more pixels than this are refused before any decoding.
    static constexpr qint64 MaxPixels = 250'000'000;

    QImage load(const QString& path, const QSize& box) override;

    // The size the picture at `path` shows at once turned upright, read from its header; an invalid
    // or empty size when it has none.
    static QSize uprightSize(const QString& path);
};

} // namespace tessarine
