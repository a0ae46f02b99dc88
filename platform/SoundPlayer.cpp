#include "platform/SoundPlayer.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace tessarine {

QtSoundPlayer::QtSoundPlayer() = default;
QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::play(const QString& path)
{
    // A fresh effect for each sound: the old one stops at once, and a file that failed to load
    // leaves nothing behind that could play later.
    m_effect.reset();
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable())
        return;
    m_effect = std::make_unique<QSoundEffect>();
    m_effect->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    m_effect->play();
}

} // namespace tessarine
