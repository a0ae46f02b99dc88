#include "platform/QtMicrophone.h"

#include "core/RuntimeError.h"
#include "platform/WaveWriter.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSource>
#include <QMediaDevices>

#include <optional>

namespace tessarine {

namespace {

RuntimeError noMicrophone()
{
    return translatedError(ErrorNumber::FileNotFound, "QtMicrophone",
                           QT_TRANSLATE_NOOP("QtMicrophone", "This computer has no microphone to record with"));
}

// Speech needs no more than 22 kHz; the higher rates are for devices that offer nothing lower.
std::optional<QAudioFormat> speechFormat(const QAudioDevice& device)
{
    QAudioFormat format;
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    for (const int rate : {22050, 44100, 48000, 16000}) {
        format.setSampleRate(rate);
        if (device.isFormatSupported(format))
            return format;
    }
    return std::nullopt;
}

} // namespace

QtMicrophone::QtMicrophone() = default;

QtMicrophone::~QtMicrophone()
{
    // Closing the window while recording drops the recording rather than leaving half a file.
    if (m_source)
        m_source->stop();
}

bool QtMicrophone::available() const { return !QMediaDevices::defaultAudioInput().isNull(); }

void QtMicrophone::start(const QString& wavePath)
{
    stop();
    const QAudioDevice device = QMediaDevices::defaultAudioInput();
    if (device.isNull())
        throw noMicrophone();
    const auto format = speechFormat(device);
    if (!format)
        //: %1 is the microphone's name
        throw translatedError(ErrorNumber::InvalidArgument, "QtMicrophone",
                              QT_TRANSLATE_NOOP("QtMicrophone", "The microphone \"%1\" cannot record 16-bit sound"),
                              device.description());
    auto writer = std::make_unique<WaveWriter>(wavePath, format->sampleRate(), 1, 16);
    auto source = std::make_unique<QAudioSource>(device, *format);
    source->start(&writer->device());
    if (source->error() != QAudio::NoError)
        //: %1 is the microphone's name
        throw translatedError(ErrorNumber::PathAccess, "QtMicrophone",
                              QT_TRANSLATE_NOOP("QtMicrophone", "The microphone \"%1\" cannot be used now"),
                              device.description());
    m_writer = std::move(writer);
    m_source = std::move(source);
}

void QtMicrophone::stop()
{
    if (!m_source)
        return;
    m_source->stop();
    m_source.reset();
    const auto writer = std::move(m_writer);
    writer->finish();
}

bool QtMicrophone::recording() const { return m_source != nullptr; }

} // namespace tessarine
