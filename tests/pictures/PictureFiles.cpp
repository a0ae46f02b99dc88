#include "pictures/PictureFiles.h"

#include <libheif/heif.h>

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QPainter>

#include <cstring>
#include <vector>

namespace tessarine::testing {

QImage quadrants(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    const int w = size.width() / 2;
    const int h = size.height() / 2;
    QPainter painter(&image);
    painter.fillRect(0, 0, w, h, TopLeft);
    painter.fillRect(w, 0, size.width() - w, h, TopRight);
    painter.fillRect(0, h, w, size.height() - h, BottomLeft);
    painter.fillRect(w, h, size.width() - w, size.height() - h, BottomRight);
    return image;
}

bool near(QColor seen, QColor wanted, int tolerance)
{
    return std::abs(seen.red() - wanted.red()) <= tolerance && std::abs(seen.green() - wanted.green()) <= tolerance
           && std::abs(seen.blue() - wanted.blue()) <= tolerance;
}

QString quadrantProblem(const QImage& picture)
{
    if (picture.isNull())
        return QStringLiteral("no picture");
    const int x1 = picture.width() / 4, x2 = picture.width() * 3 / 4;
    const int y1 = picture.height() / 4, y2 = picture.height() * 3 / 4;
    const struct {
        int x, y;
        QColor wanted;
        const char* where;
    } spots[] = {{x1, y1, TopLeft, "top left"},
                 {x2, y1, TopRight, "top right"},
                 {x1, y2, BottomLeft, "bottom left"},
                 {x2, y2, BottomRight, "bottom right"}};
    for (const auto& spot : spots) {
        const QColor seen = picture.pixelColor(spot.x, spot.y);
        if (!near(seen, spot.wanted))
            return QStringLiteral("%1 is %2, not %3").arg(QLatin1String(spot.where), seen.name(), spot.wanted.name());
    }
    return {};
}

QByteArray jpegWithOrientation(const QImage& stored, int orientation)
{
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(95);
    writer.write(stored);
    // A big-endian TIFF header and one IFD entry: Orientation (0x0112), SHORT, count 1.
    const char tiff[] = {'M', 'M', 0, 42, 0, 0, 0, 8, 0, 1, 0x01, 0x12, 0, 3, 0, 0, 0, 1, 0, char(orientation), 0, 0, 0, 0, 0, 0};
    QByteArray app1 = QByteArray("Exif\0\0", 6) + QByteArray(tiff, sizeof tiff);
    const int length = int(app1.size()) + 2;
    app1.prepend(char(length & 0xff)).prepend(char(length >> 8)).prepend('\xE1').prepend('\xFF');
    return jpeg.insert(2, app1);
}

QByteArray gifOf(const QImage& fourColours)
{
    QList<QRgb> palette;
    std::vector<int> indices;
    for (int y = 0; y < fourColours.height(); ++y) {
        for (int x = 0; x < fourColours.width(); ++x) {
            const QRgb rgb = fourColours.pixel(x, y);
            if (!palette.contains(rgb))
                palette << rgb;
            indices.push_back(int(palette.indexOf(rgb)));
        }
    }
    palette.resize(4);
    const auto le16 = [](QByteArray& out, int value) { out.append(char(value & 0xff)).append(char(value >> 8)); };
    QByteArray gif("GIF89a");
    le16(gif, fourColours.width());
    le16(gif, fourColours.height());
    gif.append('\x91').append('\0').append('\0'); // a global table of four colours
    for (const QRgb rgb : palette)
        gif.append(char(qRed(rgb))).append(char(qGreen(rgb))).append(char(qBlue(rgb)));
    gif.append(',');
    le16(gif, 0);
    le16(gif, 0);
    le16(gif, fourColours.width());
    le16(gif, fourColours.height());
    gif.append('\0').append('\2'); // no local table; LZW starts at two bits a colour
    // Every code a literal, with a clear code before each pair, so codes never grow past 3 bits.
    std::vector<int> codes;
    for (std::size_t i = 0; i < indices.size(); ++i) {
        if (i % 2 == 0)
            codes.push_back(4);
        codes.push_back(indices[i]);
    }
    codes.push_back(5);
    QByteArray data;
    unsigned bits = 0, count = 0;
    for (const int code : codes) {
        bits |= unsigned(code) << count;
        count += 3;
        while (count >= 8) {
            data.append(char(bits & 0xff));
            bits >>= 8;
            count -= 8;
        }
    }
    if (count > 0)
        data.append(char(bits & 0xff));
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        gif.append(char(block.size())).append(block);
    }
    return gif.append('\0').append(';');
}

QByteArray svgQuadrants(QSize size)
{
    const int w = size.width(), h = size.height();
    return QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\">"
                          "<rect x=\"0\" y=\"0\" width=\"%3\" height=\"%4\" fill=\"%5\"/>"
                          "<rect x=\"%3\" y=\"0\" width=\"%3\" height=\"%4\" fill=\"%6\"/>"
                          "<rect x=\"0\" y=\"%4\" width=\"%3\" height=\"%4\" fill=\"%7\"/>"
                          "<rect x=\"%3\" y=\"%4\" width=\"%3\" height=\"%4\" fill=\"%8\"/></svg>")
        .arg(w)
        .arg(h)
        .arg(w / 2)
        .arg(h / 2)
        .arg(TopLeft.name(), TopRight.name(), BottomLeft.name(), BottomRight.name())
        .toUtf8();
}

QString writeHeic(const QString& path, const QImage& stored, int orientation)
{
    heif_context* context = heif_context_alloc();
    heif_encoder* encoder = nullptr;
    heif_error error = heif_context_get_encoder_for_format(context, heif_compression_HEVC, &encoder);
    if (error.code != heif_error_Ok) {
        heif_context_free(context);
        return QStringLiteral("no HEVC encoder in this libheif (%1)").arg(QString::fromUtf8(error.message));
    }
    heif_encoder_set_lossy_quality(encoder, 95);
    heif_image* image = nullptr;
    heif_image_create(stored.width(), stored.height(), heif_colorspace_RGB, heif_chroma_interleaved_RGB, &image);
    heif_image_add_plane(image, heif_channel_interleaved, stored.width(), stored.height(), 8);
    int stride = 0;
    uint8_t* plane = heif_image_get_plane(image, heif_channel_interleaved, &stride);
    const QImage rgb = stored.convertToFormat(QImage::Format_RGB888);
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(plane + y * stride, rgb.constScanLine(y), std::size_t(rgb.width()) * 3);
    heif_encoding_options* options = heif_encoding_options_alloc();
    options->image_orientation = heif_orientation(orientation);
    error = heif_context_encode_image(context, image, encoder, options, nullptr);
    if (error.code == heif_error_Ok)
        error = heif_context_write_to_file(context, QFile::encodeName(path).constData());
    heif_encoding_options_free(options);
    heif_image_release(image);
    heif_encoder_release(encoder);
    heif_context_free(context);
    return error.code == heif_error_Ok ? QString() : QStringLiteral("encoding failed: %1").arg(QString::fromUtf8(error.message));
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace tessarine::testing
