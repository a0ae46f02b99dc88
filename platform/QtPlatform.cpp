#include "platform/QtPlatform.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace tessarine {

void QtRunLifetime::endRun()
{
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

QtPlatform::QtPlatform(const QString& settingsFile)
    : m_program(ProgramInfo::ofRunningProgram())
    , m_messageBox(m_program.title)
    , m_settings(settingsFile)
{
}

Platform QtPlatform::platform()
{
    return {m_messageBox, m_listing, m_pictures, m_random, m_sound, m_settings, m_lifetime, m_program};
}

} // namespace tessarine
