#pragma once

#include "core/RuntimeError.h"

#include <QFuture>
#include <QImage>
#include <QSize>
#include <QString>
#include <QThreadPool>

#include <optional>

namespace tessarine {

class IPictureLoader;

// A decoded picture, or why it could not be decoded.
struct DecodedPicture {
    QImage image;
    std::optional<RuntimeError> error;
};

// Decodes pictures on worker threads with the platform's picture loader. Work still running when
// a window goes away is finished here, not by the window; the decoder waits for it when it is
// destroyed, so it must not outlive the loader, and whoever owns it must outlive the windows.
class PictureDecoder {
public:
    explicit PictureDecoder(IPictureLoader& loader);
    ~PictureDecoder();
    PictureDecoder(const PictureDecoder&) = delete;
    PictureDecoder& operator=(const PictureDecoder&) = delete;

    QFuture<DecodedPicture> decode(const QString& path, QSize box);
    // Decodes only to learn why a picture cannot be decoded; the picture itself is not kept.
    QFuture<std::optional<RuntimeError>> failure(const QString& path, QSize box);

private:
    IPictureLoader& m_loader;
    QThreadPool m_pool;
};

} // namespace tessarine
