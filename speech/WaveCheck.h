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

private:
    explicit WaveCheck(QString problem)
        : m_problem(std::move(problem))
    {
    }

    QString m_problem;
};

} // namespace tessarine
