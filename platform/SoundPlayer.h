#pragma once

#include <QString>

#include <memory>

class QSoundEffect;

namespace tessarine {

// Plays a wave file without waiting for it to end. A new sound cuts off the one still playing; a
// file that is missing or cannot be played is simply not heard.
class ISoundPlayer {
public:
    virtual ~ISoundPlayer() = default;
    virtual void play(const QString& path) = 0;
};

// Over QSoundEffect, which plays PCM wave files and stays silent on machines without an audio
// device.
class QtSoundPlayer final : public ISoundPlayer {
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    void play(const QString& path) override;

private:
    std::unique_ptr<QSoundEffect> m_effect;
};

} // namespace tessarine
