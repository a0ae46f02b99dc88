#include "platform/WaveWriter.h"

#include "core/RuntimeError.h"

#include <QCoreApplication>
#include <QDir>

namespace tessarine {

namespace {

constexpr qint64 HeaderBytes = 44;
constexpr qint64 RiffSizeAt = 4;
constexpr qint64 DataSizeAt = 40;

void appendLittleEndian(QByteArray& bytes, quint32 value, int width)
{
    for (int i = 0; i < width; ++i)
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xff));
}

QByteArray littleEndian32(quint32 value)
{
    QByteArray bytes;
    appendLittleEndian(bytes, value, 4);
    return bytes;
}

// `reason` comes from the file system's own words or is already in the interface's language.
RuntimeError cannotWrite(const QString& path, const QString& reason)
{
    //: %1 is the sound file, %2 why it cannot be written
    return translatedError(ErrorNumber::PathAccess, "WaveWriter",
                           QT_TRANSLATE_NOOP("WaveWriter", "The recording %1 cannot be written: %2"),
                           QDir::toNativeSeparators(path), reason);
}

} // namespace

WaveWriter::WaveWriter(const QString& path, int sampleRate, int channels, int bitsPerSample)
    : m_file(path)
    , m_path(path)
{
    const int blockAlign = channels * bitsPerSample / 8;
    QByteArray header;
    header.append("RIFF");
    appendLittleEndian(header, 0, 4); // filled in by finish()
    header.append("WAVEfmt ");
    appendLittleEndian(header, 16, 4);
    appendLittleEndian(header, 1, 2); // PCM
    appendLittleEndian(header, static_cast<quint32>(channels), 2);
    appendLittleEndian(header, static_cast<quint32>(sampleRate), 4);
    appendLittleEndian(header, static_cast<quint32>(sampleRate * blockAlign), 4);
    appendLittleEndian(header, static_cast<quint32>(blockAlign), 2);
    appendLittleEndian(header, static_cast<quint32>(bitsPerSample), 2);
    header.append("data");
    appendLittleEndian(header, 0, 4); // filled in by finish()
    if (!m_file.open(QIODevice::WriteOnly) || m_file.write(header) != HeaderBytes)
        throw cannotWrite(m_path, m_file.errorString());
}

void WaveWriter::finish()
{
    qint64 dataBytes = m_file.size() - HeaderBytes;
    // A chunk holds whole sample frames; an odd byte left by a device stopped mid-sample goes.
    if (dataBytes % 2 != 0)
        --dataBytes;
    if (dataBytes < 0 || dataBytes > 0xffffffffLL - HeaderBytes)
        throw cannotWrite(m_path, QCoreApplication::translate("WaveWriter", "the sound is too long"));
    const auto data = static_cast<quint32>(dataBytes);
    const bool written = m_file.resize(HeaderBytes + dataBytes) && m_file.seek(RiffSizeAt)
                         && m_file.write(littleEndian32(data + HeaderBytes - 8)) == 4 && m_file.seek(DataSizeAt)
                         && m_file.write(littleEndian32(data)) == 4;
    if (!written || !m_file.commit())
        throw cannotWrite(m_path, m_file.errorString());
}

} // namespace tessarine
