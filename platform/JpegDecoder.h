#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <memory>

namespace tessarine {

// One JPEG file decoded with libjpeg-turbo, turned upright as its EXIF orientation says.
//
// The decoder is driven directly rather than through QImageReader because a half-grey picture
// from a truncated or damaged file is only told of in a decoder warning. Behind QImageReader that
// warning reaches us only as a Qt log message, which logging rules can switch off and which can
// only be caught by swapping the process-wide message handler, which is not safe while other
// threads decode. Here each decode has its own error manager: fatal errors jump back out of the
// library, and warnings are sorted as they come, so a few stray bytes between scans are not
// damage while a premature end or a bad Huffman code is, whatever the logging settings and on any
// thread. Reading the orientation from the same header lets quarter turns be decoded at the
// turned size, so a sideways-stored phone photo is both upright and sharp.
class JpegDecoder {
public:
    explicit JpegDecoder(const QString& path);
    ~JpegDecoder();
    JpegDecoder(const JpegDecoder&) = delete;
    JpegDecoder& operator=(const JpegDecoder&) = delete;

    // Whether the file could be opened and starts with a JPEG start-of-image marker.
    bool isJpeg() const { return m_isJpeg; }
    // Reads the header and the orientation; false, with error(), when that fails.
    bool readHeader();
    // The size the data is stored at, and the size the picture shows at once turned upright.
    QSize storedSize() const { return m_stored; }
    QSize uprightSize() const;

    // The upright picture scaled to `box` (at its own size when `box` is empty), in
    // QImage::Format_RGB32; a null image, with error(), when decoding fails. Call after readHeader().
    QImage decode(QSize box);

    // In English, as the library words it; shownError() is the same in the interface's language
    // where the words are ours.
    QString error() const { return m_error; }
    QString shownError() const { return m_shownError.isEmpty() ? m_error : m_shownError; }
    // The first warning that tells of damaged data (the picture would show grey), or the empty text.
    QString damage() const;

private:
    struct State;

    bool decodeStored(QSize atLeast, QImage& image);

    std::unique_ptr<State> m_state;
    bool m_isJpeg = false;
    QSize m_stored;
    int m_orientation = 1;
    QString m_error;
    QString m_shownError;
};

} // namespace tessarine
