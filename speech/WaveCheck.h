#pragma once

#include <QString>

namespace tessarine {

// Whether a wave file can be played by the program's sound player: a RIFF/WAVE file with a PCM
// format chunk (plain, or extensible with the PCM sub-format) and a data chunk of sound that lies
// wholly within the file. What it does not check, a player would not need to know beforehand.
class WaveCheck {
public:
    static WaveCheck ofFile(const QString& path);

    bool playable() const { return m_problem.isEmpty(); }
    // In plain words, why the file cannot be played; empty when it can.
    const QString& problem() const { return m_problem; }
    // How long the sound lasts, from its header; 0 when it cannot be played.
    qint64 durationMs() const { return m_durationMs; }

private:
    WaveCheck(QString problem, qint64 durationMs)
        : m_problem(std::move(problem))
        , m_durationMs(durationMs)
    {
    }

    QString m_problem;
    qint64 m_durationMs = 0;
};

} // namespace tessarine
