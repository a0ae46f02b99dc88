#include "pictures/HeifReader.h"

#include <libheif/heif.h>

#include <QCoreApplication>
#include <QFile>

#include <cstring>
#include <memory>

namespace tessarine::HeifReader {

namespace {

struct ContextFree {
    void operator()(heif_context* context) const { heif_context_free(context); }
};
struct HandleFree {
    void operator()(heif_image_handle* handle) const { heif_image_handle_release(handle); }
};
struct ImageFree {
    void operator()(heif_image* image) const { heif_image_release(image); }
};

using Context = std::unique_ptr<heif_context, ContextFree>;
using Handle = std::unique_ptr<heif_image_handle, HandleFree>;

Handle primary(const QString& path, Context& context, QString& error)
{
    context.reset(heif_context_alloc());
    heif_error result = heif_context_read_from_file(context.get(), QFile::encodeName(path).constData(), nullptr);
    if (result.code != heif_error_Ok) {
        error = QString::fromUtf8(result.message);
        return {};
    }
    heif_image_handle* handle = nullptr;
    result = heif_context_get_primary_image_handle(context.get(), &handle);
    if (result.code != heif_error_Ok) {
        error = QString::fromUtf8(result.message);
        return {};
    }
    return Handle(handle);
}

} // namespace

bool looksLikeHeif(const QByteArray& head)
{
    const heif_filetype_result kind = heif_check_filetype(reinterpret_cast<const uint8_t*>(head.constData()), int(head.size()));
    return kind == heif_filetype_yes_supported || kind == heif_filetype_yes_unsupported;
}

QSize size(const QString& path, QString& error)
{
    Context context;
    const Handle handle = primary(path, context, error);
    if (!handle)
        return {};
    return {heif_image_handle_get_width(handle.get()), heif_image_handle_get_height(handle.get())};
}

QImage read(const QString& path, qint64 maxPixels, QString& error)
{
    Context context;
    const Handle handle = primary(path, context, error);
    if (!handle)
        return {};
    const qint64 pixels = qint64(heif_image_handle_get_width(handle.get())) * heif_image_handle_get_height(handle.get());
    if (pixels > maxPixels) {
        //: Said in brackets after "... could not be read"
        error = QCoreApplication::translate("HeifReader", "too large");
        return {};
    }
    heif_image* decoded = nullptr;
    // No options: libheif applies the file's rotation and mirroring itself.
    const heif_error result = heif_decode_image(handle.get(), &decoded, heif_colorspace_RGB, heif_chroma_interleaved_RGBA,
                                                nullptr);
    const std::unique_ptr<heif_image, ImageFree> image(decoded);
    if (result.code != heif_error_Ok) {
        error = QString::fromUtf8(result.message);
        return {};
    }
    const int width = heif_image_get_width(image.get(), heif_channel_interleaved);
    const int height = heif_image_get_height(image.get(), heif_channel_interleaved);
    int stride = 0;
    const uint8_t* data = heif_image_get_plane_readonly(image.get(), heif_channel_interleaved, &stride);
    if (!data || width <= 0 || height <= 0) {
        //: Said in brackets after "... could not be read"
        error = QCoreApplication::translate("HeifReader", "no picture data");
        return {};
    }
    QImage copy(width, height, QImage::Format_RGBA8888);
    if (copy.isNull()) {
        //: Said in brackets after "... could not be read"; %1 by %2 are the picture's width and height
        error = QCoreApplication::translate("HeifReader", "not enough memory for %1 by %2").arg(width).arg(height);
        return {};
    }
    for (int y = 0; y < height; ++y)
        std::memcpy(copy.scanLine(y), data + qsizetype(y) * stride, size_t(width) * 4);
    return copy;
}

} // namespace tessarine::HeifReader
