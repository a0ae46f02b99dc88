#include "platform/SettingsBacking.h"

#include "core/RuntimeError.h"

#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <QSettings>
#include <QStandardPaths>

namespace tessarine {

namespace {

// A value is written as it is, except for backslashes, line breaks and blanks at either end, which
// the reader would otherwise lose: a line is one value, and blanks around it are trimmed so that a
// hand-edited "Key = value" still reads as "value". Commas, quotes and '=' need nothing.
bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

QString escapedChar(QChar c)
{
    switch (c.unicode()) {
    case u'\\':
        return QStringLiteral("\\\\");
    case u'\n':
        return QStringLiteral("\\n");
    case u'\r':
        return QStringLiteral("\\r");
    case u' ':
        return QStringLiteral("\\s");
    case u'\t':
        return QStringLiteral("\\t");
    default:
        return QString(c);
    }
}

QString escaped(const QString& text)
{
    qsizetype first = 0;
    while (first < text.size() && isBlank(text[first]))
        ++first;
    qsizetype last = text.size();
    while (last > first && isBlank(text[last - 1]))
        --last;
    QString result;
    result.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool outerBlank = i < first || i >= last;
        result += (outerBlank || c == u'\\' || c == u'\n' || c == u'\r') ? escapedChar(c) : QString(c);
    }
    return result;
}

QString unescaped(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\' && i + 1 < text.size()) {
            switch (text[++i].unicode()) {
            case u'n':
                result += u'\n';
                break;
            case u'r':
                result += u'\r';
                break;
            case u's':
                result += u' ';
                break;
            case u't':
                result += u'\t';
                break;
            default:
                result += text[i];
                break;
            }
        } else {
            result += text[i];
        }
    }
    return result;
}

// Lenient on reading: lines that are neither a [section] nor a key=value are skipped, so a
// damaged file still gives every readable value and the defaults for the rest.
bool readTextIni(QIODevice& device, QSettings::SettingsMap& map)
{
    QString section;
    const QString content = QString::fromUtf8(device.readAll());
    for (QStringView line : QStringView(content).split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            section = line.mid(1, line.size() - 2).trimmed().toString();
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0 || section.isEmpty())
            continue;
        const QString key = line.left(equals).trimmed().toString();
        map.insert(section + u'/' + key, unescaped(line.mid(equals + 1).trimmed()));
    }
    return true;
}

bool writeTextIni(QIODevice& device, const QSettings::SettingsMap& map)
{
    QString section;
    QString out;
    // The map is sorted, so each section's keys come together. A section may itself hold a '/'
    // ("Access/Ana"); a key never does.
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const qsizetype slash = it.key().lastIndexOf(u'/');
        const QString keySection = it.key().left(slash);
        if (keySection != section) {
            if (!section.isEmpty())
                out += u'\n';
            section = keySection;
            out += u'[' + section + QStringLiteral("]\n");
        }
        out += it.key().mid(slash + 1) + u'=' + escaped(it.value().toString()) + u'\n';
    }
    const QByteArray bytes = out.toUtf8();
    return device.write(bytes) == bytes.size();
}

QSettings::Format textIniFormat()
{
    static const QSettings::Format format = QSettings::registerFormat(QStringLiteral("ini"), readTextIni, writeTextIni);
    return format;
}

} // namespace

QtSettingsBacking::QtSettingsBacking(const QString& filePath)
    : m_settings(std::make_unique<QSettings>(filePath, textIniFormat()))
{
    // Never fall back to writing the file in place: a full disk would leave it cut short.
    m_settings->setAtomicSyncRequired(true);
}

QtSettingsBacking::~QtSettingsBacking() = default;

QString QtSettingsBacking::defaultFilePath(const QString& application)
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(application + QStringLiteral(".ini"));
}

std::optional<QString> QtSettingsBacking::read(const QString& section, const QString& key)
{
    const QVariant value = m_settings->value(section + u'/' + key);
    if (!value.isValid())
        return std::nullopt;
    return value.toString();
}

void QtSettingsBacking::write(const QString& section, const QString& key, const QString& value)
{
    m_settings->setValue(section + u'/' + key, value);
}

void QtSettingsBacking::remove(const QString& section, const QString& key) { m_settings->remove(section + u'/' + key); }

void QtSettingsBacking::flush()
{
    // QSettings writes through a temporary file and renames it over the old one, so a failure
    // leaves the previous settings as they were.
    const QFileInfo file(m_settings->fileName());
    QDir().mkpath(file.absolutePath());
    m_settings->sync();
    if (m_settings->status() != QSettings::NoError)
        //: %1 is the settings file
        throw translatedError(ErrorNumber::PathAccess, "SettingsBacking",
                              QT_TRANSLATE_NOOP("SettingsBacking", "The settings cannot be saved to %1"),
                              file.absoluteFilePath());
}

} // namespace tessarine
