#include "speech/WaveCheck.h"

#include <QCoreApplication>
#include <QFile>
#include <QtEndian>

#include <optional>

namespace tessarine {

namespace {

constexpr quint16 FormatPcm = 1;
constexpr quint16 FormatExtensible = 0xFFFE;
// The tail every standard sub-format GUID shares; its first two bytes name the format.
constexpr char GuidTail[] = "\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71";

struct Chunk {
    QByteArray id;
    quint32 size = 0;
    qint64 start = 0;
};

std::optional<Chunk> readChunkHeader(QFile& file)
{
    const QByteArray header = file.read(8);
    if (header.size() < 8)
        return std::nullopt;
    return Chunk{header.left(4), qFromLittleEndian<quint32>(header.constData() + 4), file.pos()};
}

// The bytes one second of sound takes, from a format description checkFormat() accepted.
quint64 bytesPerSecond(const QByteArray& format)
{
    return quint64{qFromLittleEndian<quint32>(format.constData() + 4)} * qFromLittleEndian<quint16>(format.constData() + 12);
}

// Each problem ends the sentence "The recording cup.wav cannot be played: ...".
QString checkFormat(const QByteArray& format)
{
    if (format.size() < 16)
        return QCoreApplication::translate("WaveCheck", "its format description is too short");
    quint16 tag = qFromLittleEndian<quint16>(format.constData());
    const quint16 channels = qFromLittleEndian<quint16>(format.constData() + 2);
    const quint32 rate = qFromLittleEndian<quint32>(format.constData() + 4);
    const quint16 blockAlign = qFromLittleEndian<quint16>(format.constData() + 12);
    const quint16 bits = qFromLittleEndian<quint16>(format.constData() + 14);
    if (tag == FormatExtensible) {
        if (format.size() < 40 || format.mid(26, 14) != QByteArray(GuidTail, 14))
            return QCoreApplication::translate("WaveCheck", "its format description is damaged");
        tag = qFromLittleEndian<quint16>(format.constData() + 24);
    }
    if (tag != FormatPcm)
        //: %1 is the number of the sound's format; PCM is the uncompressed one
        return QCoreApplication::translate("WaveCheck", "it is compressed (format %1), not PCM; save it again as PCM").arg(tag);
    if (channels == 0 || rate == 0 || (bits != 8 && bits != 16 && bits != 24 && bits != 32)
        || blockAlign != channels * (bits / 8))
        return QCoreApplication::translate("WaveCheck", "its format description is damaged");
    return {};
}

QString problemOf(const QString& path, qint64& durationMs)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("WaveCheck", "it cannot be read");
    const QByteArray riff = file.read(12);
    if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return QCoreApplication::translate("WaveCheck", "it is not a wave file");
    bool haveFormat = false;
    quint64 bytesEachSecond = 0;
    while (const std::optional<Chunk> chunk = readChunkHeader(file)) {
        const qint64 end = chunk->start + chunk->size;
        if (chunk->id == "fmt ") {
            if (end > file.size())
                return QCoreApplication::translate("WaveCheck", "it is damaged: the file ends inside its format description");
            const QByteArray format = file.read(chunk->size);
            if (const QString problem = checkFormat(format); !problem.isEmpty())
                return problem;
            haveFormat = true;
            bytesEachSecond = bytesPerSecond(format);
        } else if (chunk->id == "data") {
            if (!haveFormat)
                return QCoreApplication::translate("WaveCheck", "it is damaged: its sound comes before its format description");
            if (end > file.size())
                return QCoreApplication::translate("WaveCheck", "it is damaged: the file ends before its sound does");
            if (chunk->size == 0)
                return QCoreApplication::translate("WaveCheck", "it holds no sound");
            durationMs = static_cast<qint64>(quint64{chunk->size} * 1000 / bytesEachSecond);
            return {};
        }
        // Chunks are padded to an even length.
        if (!file.seek(end + (chunk->size & 1)))
            break;
    }
    return haveFormat ? QCoreApplication::translate("WaveCheck", "it is damaged: it holds no sound data")
                      : QCoreApplication::translate("WaveCheck", "it is damaged: it has no format description");
}

} // namespace

WaveCheck WaveCheck::ofFile(const QString& path)
{
    qint64 durationMs = 0;
    QString problem = problemOf(path, durationMs);
    return WaveCheck(std::move(problem), durationMs);
}

} // namespace tessarine
