#include "platform/JpegDecoder.h"

#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QTransform>

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>
// After jpeglib.h, whose configuration decides which messages exist.
#include <jerror.h>

// Everything that runs between a setjmp and the library calls that may jump back to it holds only
// plain data: a jump skips destructors, so no object with one may live in the frames it crosses.

namespace tessarine {

namespace {

// Progressive files can hold any number of scans, each a full pass over the picture; real ones
// have about ten.
constexpr int MaxScans = 500;

struct ErrorManager {
    jpeg_error_mgr base; // first, so that the library's pointer to it is a pointer to this
    std::jmp_buf jump;
    char fatal[JMSG_LENGTH_MAX];
    char damage[JMSG_LENGTH_MAX];
};

ErrorManager& errorsOf(j_common_ptr info) { return *reinterpret_cast<ErrorManager*>(info->err); }

[[noreturn]] void leave(j_common_ptr info)
{
    ErrorManager& errors = errorsOf(info);
    errors.base.format_message(info, errors.fatal);
    std::longjmp(errors.jump, 1);
}

bool isDamage(int code)
{
    switch (code) {
    case JWRN_ARITH_BAD_CODE:
    case JWRN_BOGUS_PROGRESSION:
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_JPEG_EOF:
    case JWRN_MUST_RESYNC:
        return true;
    default:
        // Stray bytes before a marker (JWRN_EXTRANEOUS_DATA) are skipped without losing picture
        // data; unknown JFIF versions, Adobe transform codes and ICC markers do not touch it either.
        return false;
    }
}

void collect(j_common_ptr info, int level)
{
    ErrorManager& errors = errorsOf(info);
    if (level < 0 && errors.damage[0] == '\0' && isDamage(errors.base.msg_code))
        errors.base.format_message(info, errors.damage);
}

void limitScans(j_common_ptr info)
{
    if (!info->is_decompressor || reinterpret_cast<j_decompress_ptr>(info)->input_scan_number <= MaxScans)
        return;
    ErrorManager& errors = errorsOf(info);
    std::snprintf(errors.fatal, sizeof errors.fatal, "more than %d scans", MaxScans);
    std::longjmp(errors.jump, 1);
}

int exifOrientation(const unsigned char* data, std::size_t size)
{
    static constexpr unsigned char Header[] = {'E', 'x', 'i', 'f', 0, 0};
    if (size < sizeof Header + 8 || std::memcmp(data, Header, sizeof Header) != 0)
        return 1;
    const unsigned char* tiff = data + sizeof Header;
    size -= sizeof Header;
    bool bigEndian = false;
    if (tiff[0] == 'M' && tiff[1] == 'M')
        bigEndian = true;
    else if (tiff[0] != 'I' || tiff[1] != 'I')
        return 1;
    const auto u16 = [&](std::size_t at) -> unsigned {
        return bigEndian ? unsigned(tiff[at]) << 8 | tiff[at + 1] : unsigned(tiff[at + 1]) << 8 | tiff[at];
    };
    const auto u32 = [&](std::size_t at) -> std::uint32_t {
        return bigEndian ? std::uint32_t(u16(at)) << 16 | u16(at + 2) : std::uint32_t(u16(at + 2)) << 16 | u16(at);
    };
    if (u16(2) != 42)
        return 1;
    const std::size_t ifd = u32(4);
    if (ifd > size - 2)
        return 1;
    const unsigned entries = u16(ifd);
    for (unsigned i = 0; i < entries; ++i) {
        const std::size_t entry = ifd + 2 + std::size_t(i) * 12;
        if (entry + 12 > size)
            return 1;
        if (u16(entry) != 0x0112)
            continue;
        constexpr unsigned Short = 3;
        const unsigned value = u16(entry + 8);
        return u16(entry + 2) == Short && u32(entry + 4) == 1 && value >= 1 && value <= 8 ? int(value) : 1;
    }
    return 1;
}

// Orientations 5 to 8 store the picture lying on its side.
bool liesOnSide(int orientation) { return orientation >= 5; }

QImage turnedUpright(const QImage& image, int orientation)
{
    const QTransform clockwise = QTransform().rotate(90);
    switch (orientation) {
    case 2:
        return image.mirrored(true, false);
    case 3:
        return image.mirrored(true, true);
    case 4:
        return image.mirrored(false, true);
    case 5:
        return image.transformed(clockwise).mirrored(true, false);
    case 6:
        return image.transformed(clockwise);
    case 7:
        return image.transformed(clockwise).mirrored(false, true);
    case 8:
        return image.transformed(QTransform().rotate(270));
    default:
        return image;
    }
}

// Like the library's own stdio source, but reading 64 KB at a time: its Huffman decoder takes a
// faster path only while a few kilobytes of data are buffered, which 4 KB reads rarely leave.
struct FileSource {
    static constexpr std::size_t Chunk = 64 * 1024;

    jpeg_source_mgr base; // first, so that the library's pointer to it is a pointer to this
    std::FILE* file;
    JOCTET buffer[Chunk];
};

void startReading(j_decompress_ptr) {}
void stopReading(j_decompress_ptr) {}

boolean readMore(j_decompress_ptr info)
{
    FileSource& source = *reinterpret_cast<FileSource*>(info->src);
    std::size_t count = std::fread(source.buffer, 1, FileSource::Chunk, source.file);
    if (count == 0) {
        // The end of the file before the end of the picture: the library sees an end marker and
        // the warning tells of the damage.
        WARNMS(info, JWRN_JPEG_EOF);
        source.buffer[0] = 0xff;
        source.buffer[1] = JPEG_EOI;
        count = 2;
    }
    source.base.next_input_byte = source.buffer;
    source.base.bytes_in_buffer = count;
    return TRUE;
}

void skipBytes(j_decompress_ptr info, long count)
{
    jpeg_source_mgr& source = *info->src;
    if (count <= 0)
        return;
    while (std::size_t(count) > source.bytes_in_buffer) {
        count -= long(source.bytes_in_buffer);
        readMore(info);
    }
    source.next_input_byte += count;
    source.bytes_in_buffer -= std::size_t(count);
}

// Adobe applications write CMYK inverted (0 is full ink) and mark it with their APP14 marker.
void cmykToRgb(QImage& image, bool inverted)
{
    for (int y = 0; y < image.height(); ++y) {
        auto* pixel = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const auto* ink = reinterpret_cast<const unsigned char*>(pixel + x);
            const int k = inverted ? ink[3] : 255 - ink[3];
            const auto channel = [&](int i) { return (inverted ? ink[i] : 255 - ink[i]) * k / 255; };
            pixel[x] = qRgb(channel(0), channel(1), channel(2));
        }
    }
}

} // namespace

struct JpegDecoder::State {
    jpeg_decompress_struct info{};
    FileSource source{};
    ErrorManager errors{};
    jpeg_progress_mgr progress{};
    bool created = false;
};

JpegDecoder::JpegDecoder(const QString& path)
    : m_state(std::make_unique<State>())
{
    State& s = *m_state;
    s.source.file = std::fopen(QFile::encodeName(path).constData(), "rb");
    unsigned char start[2] = {};
    m_isJpeg = s.source.file && std::fread(start, 1, 2, s.source.file) == 2 && start[0] == 0xff && start[1] == 0xd8
               && std::fseek(s.source.file, 0, SEEK_SET) == 0;
}

JpegDecoder::~JpegDecoder()
{
    if (m_state->created)
        jpeg_destroy_decompress(&m_state->info);
    if (m_state->source.file)
        std::fclose(m_state->source.file);
}

QString JpegDecoder::damage() const { return QString::fromLatin1(m_state->errors.damage); }

QSize JpegDecoder::uprightSize() const { return liesOnSide(m_orientation) ? m_stored.transposed() : m_stored; }

bool JpegDecoder::readHeader()
{
    State& s = *m_state;
    if (!m_isJpeg || s.created)
        return false;
    s.info.err = jpeg_std_error(&s.errors.base);
    s.errors.base.error_exit = leave;
    s.errors.base.emit_message = collect;
    if (setjmp(s.errors.jump)) {
        m_error = QString::fromLatin1(s.errors.fatal);
        m_shownError.clear();
        return false;
    }
    jpeg_create_decompress(&s.info);
    s.created = true;
    s.progress.progress_monitor = limitScans;
    s.info.progress = &s.progress;
    s.source.base.init_source = startReading;
    s.source.base.fill_input_buffer = readMore;
    s.source.base.skip_input_data = skipBytes;
    s.source.base.resync_to_restart = jpeg_resync_to_restart;
    s.source.base.term_source = stopReading;
    s.info.src = &s.source.base;
    jpeg_save_markers(&s.info, JPEG_APP0 + 1, 0xffff);
    jpeg_read_header(&s.info, TRUE);
    for (jpeg_saved_marker_ptr marker = s.info.marker_list; marker; marker = marker->next) {
        if (marker->marker == JPEG_APP0 + 1) {
            const int orientation = exifOrientation(marker->data, marker->data_length);
            if (orientation != 1) {
                m_orientation = orientation;
                break;
            }
        }
    }
    m_stored = QSize(int(s.info.image_width), int(s.info.image_height));
    return true;
}

QImage JpegDecoder::decode(QSize box)
{
    const bool fitBox = box.isValid() && !box.isEmpty();
    // Decoded in the stored orientation, so a quarter turn needs the turned box.
    const QSize target = !fitBox ? m_stored : liesOnSide(m_orientation) ? box.transposed() : box;
    QImage image;
    if (!decodeStored(target, image))
        return {};
    const J_COLOR_SPACE space = m_state->info.out_color_space;
    if (space == JCS_CMYK)
        cmykToRgb(image, m_state->info.saw_Adobe_marker);
    if (image.size() != target)
        image = image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return turnedUpright(image, m_orientation);
}

bool JpegDecoder::decodeStored(QSize atLeast, QImage& image)
{
    State& s = *m_state;
    if (!m_stored.isValid())
        return false;
    if (setjmp(s.errors.jump)) {
        jpeg_abort_decompress(&s.info);
        m_error = QString::fromLatin1(s.errors.fatal);
        m_shownError.clear();
        return false;
    }
    const bool cmyk = s.info.jpeg_color_space == JCS_CMYK || s.info.jpeg_color_space == JCS_YCCK;
    // Four bytes a pixel either way: CMYK is turned into RGB in place afterwards.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    s.info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;
#else
    s.info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_ARGB;
#endif
    // The smallest of the decoder's scales (1/8 to 8/8) that still covers the box, so that the
    // smooth scaling afterwards only ever shrinks, or enlarges a picture smaller than its box.
    s.info.scale_denom = 8;
    for (unsigned eighths = 1; eighths <= 8; ++eighths) {
        s.info.scale_num = eighths;
        jpeg_calc_output_dimensions(&s.info);
        if (s.info.output_width >= unsigned(atLeast.width()) && s.info.output_height >= unsigned(atLeast.height()))
            break;
    }
    // The same limit as Qt's readers, for pictures decoded at their own size.
    const qint64 limitMiB = QImageReader::allocationLimit();
    if (limitMiB > 0 && qint64(s.info.output_width) * s.info.output_height * 4 > limitMiB * 1024 * 1024) {
        //: %1 by %2 is the picture's size in pixels
        const char* const text = QT_TRANSLATE_NOOP("JpegDecoder", "too large to decode at %1 by %2");
        m_error = QString::fromUtf8(text).arg(s.info.output_width).arg(s.info.output_height);
        m_shownError = QCoreApplication::translate("JpegDecoder", text).arg(s.info.output_width).arg(s.info.output_height);
        return false;
    }
    jpeg_start_decompress(&s.info);
    image = QImage(int(s.info.output_width), int(s.info.output_height), QImage::Format_RGB32);
    if (image.isNull()) {
        jpeg_abort_decompress(&s.info);
        //: %1 by %2 is the picture's size in pixels
        const char* const text = QT_TRANSLATE_NOOP("JpegDecoder", "not enough memory for %1 by %2");
        m_error = QString::fromUtf8(text).arg(s.info.output_width).arg(s.info.output_height);
        m_shownError = QCoreApplication::translate("JpegDecoder", text).arg(s.info.output_width).arg(s.info.output_height);
        return false;
    }
    JSAMPROW rows[4];
    while (s.info.output_scanline < s.info.output_height) {
        const unsigned first = s.info.output_scanline;
        const unsigned count = qMin(4u, s.info.output_height - first);
        for (unsigned i = 0; i < count; ++i)
            rows[i] = image.scanLine(int(first + i));
        jpeg_read_scanlines(&s.info, rows, count);
    }
    jpeg_finish_decompress(&s.info);
    return true;
}

} // namespace tessarine
