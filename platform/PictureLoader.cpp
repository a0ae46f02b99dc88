#include "platform/PictureLoader.h"

#include "core/RuntimeError.h"

#include <QFileInfo>
#include <QImageReader>

namespace tessarine {

namespace {

RuntimeError invalidPicture(const QString& path, const QString& reason)
{
    return {ErrorNumber::InvalidPicture, QStringLiteral("Invalid picture %1 (%2)").arg(path, reason)};
}

// The JPEG decoder hands back a half-grey picture for a truncated or damaged file and only says so
// in a warning. While a picture is decoded those warnings are collected (and still passed on), so
// that such a file counts as not loadable.
class DecoderWarnings {
public:
    DecoderWarnings()
    {
        s_current = this;
        m_previous = qInstallMessageHandler(&DecoderWarnings::handle);
    }
    ~DecoderWarnings()
    {
        qInstallMessageHandler(m_previous);
        s_current = nullptr;
    }
    DecoderWarnings(const DecoderWarnings&) = delete;
    DecoderWarnings& operator=(const DecoderWarnings&) = delete;

    // The first warning that tells of damaged data, or the empty text.
    QString damage() const { return m_damage; }

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        DecoderWarnings* self = s_current;
        if (self && type == QtWarningMsg && qstrcmp(context.category, "qt.gui.imageio.jpeg") == 0
            && self->m_damage.isEmpty()
            && (message.contains(QLatin1String("Corrupt JPEG data")) || message.contains(QLatin1String("Premature end"))))
            self->m_damage = message;
        if (self && self->m_previous)
            self->m_previous(type, context, message);
    }

    static inline DecoderWarnings* s_current = nullptr;
    QtMessageHandler m_previous = nullptr;
    QString m_damage;
};

} // namespace

QImage QtPictureLoader::load(const QString& path, const QSize& box)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw RuntimeError(ErrorNumber::FileNotFound, QStringLiteral("File not found: %1").arg(path));
    if (info.isDir())
        throw invalidPicture(path, QStringLiteral("it is a folder"));

    QImageReader reader(path);
    // The extension says JPEG, but a picture saved under the wrong extension still loads.
    reader.setDecideFormatFromContent(true);
    const QSize declared = reader.size();
    if (!reader.canRead() || !declared.isValid() || declared.isEmpty())
        throw invalidPicture(path, QStringLiteral("not a readable picture"));
    if (qint64(declared.width()) * declared.height() > MaxPixels)
        throw invalidPicture(path, QStringLiteral("too large: %1 by %2").arg(declared.width()).arg(declared.height()));
    if (box.isValid() && !box.isEmpty())
        reader.setScaledSize(box);

    const DecoderWarnings warnings;
    QImage image = reader.read();
    if (image.isNull())
        throw invalidPicture(path, reader.errorString());
    if (!warnings.damage().isEmpty())
        throw invalidPicture(path, QStringLiteral("damaged: %1").arg(warnings.damage()));
    return image;
}

} // namespace tessarine
