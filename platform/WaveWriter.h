#pragma once

#include <QSaveFile>
#include <QString>

namespace tessarine {

// Writes a PCM wave file: the header first with its sizes left open, the sound after it, and on
// finish() the sizes filled in and the file put in place in one step. Until then it is written
// aside, so a recording that fails or is dropped leaves nothing half written, and an earlier file
// of that name stays as it was.
class WaveWriter {
public:
    // Throws RuntimeError with plain words when the file cannot be written.
    WaveWriter(const QString& path, int sampleRate, int channels, int bitsPerSample);

    // Where the sound's samples go, after the header.
    QIODevice& device() { return m_file; }
    // Completes the header and replaces the file at the path; throws RuntimeError when it cannot.
    void finish();

private:
    QSaveFile m_file;
    QString m_path;
};

} // namespace tessarine
