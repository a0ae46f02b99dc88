#include "access/AccessSettings.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QLocale>

#include <functional>
#include <optional>

namespace tessarine {

namespace {

// One row per setting: its key, how it is written and how a stored text is read back. A text that
// cannot be read leaves the member at its default.
struct Field {
    QString key;
    std::function<QString(const AccessSettings&)> write;
    std::function<bool(AccessSettings&, const QString&)> read;
};

Field flag(const char* key, bool AccessSettings::*member)
{
    return {QString::fromLatin1(key), [member](const AccessSettings& s) { return QString::number(s.*member ? 1 : 0); },
            [member](AccessSettings& s, const QString& text) {
                if (text != u"0" && text != u"1")
                    return false;
                s.*member = text == u"1";
                return true;
            }};
}

Field milliseconds(const char* key, int AccessSettings::*member, int minimum, int maximum)
{
    return {QString::fromLatin1(key), [member](const AccessSettings& s) { return QString::number(s.*member); },
            [member, minimum, maximum](AccessSettings& s, const QString& text) {
                bool ok = false;
                const int value = text.toInt(&ok);
                if (!ok || value < minimum || value > maximum)
                    return false;
                s.*member = value;
                return true;
            }};
}

Field key(const char* name, Qt::Key AccessSettings::*member)
{
    return {QString::fromLatin1(name), [member](const AccessSettings& s) { return keyName(s.*member); },
            [member](AccessSettings& s, const QString& text) {
                const Qt::Key key = keyFromName(text);
                if (key == Qt::Key_unknown)
                    return false;
                s.*member = key;
                return true;
            }};
}

Field button(const char* name, Qt::MouseButton AccessSettings::*member)
{
    return {QString::fromLatin1(name), [member](const AccessSettings& s) { return buttonName(s.*member); },
            [member](AccessSettings& s, const QString& text) {
                bool ok = false;
                const Qt::MouseButton button = buttonFromName(text, &ok);
                if (ok)
                    s.*member = button;
                return ok;
            }};
}

// Empty, or a language's code.
Field language(const char* key, QString AccessSettings::*member)
{
    return {QString::fromLatin1(key), [member](const AccessSettings& s) { return s.*member; },
            [member](AccessSettings& s, const QString& text) {
                if (!text.isEmpty() && QLocale::codeToLanguage(text) == QLocale::AnyLanguage)
                    return false;
                s.*member = text;
                return true;
            }};
}

const QList<QPair<ScanMode, QString>>& scanModeNames()
{
    static const QList<QPair<ScanMode, QString>> names{{ScanMode::Off, QStringLiteral("off")},
                                                       {ScanMode::OneSwitch, QStringLiteral("one")},
                                                       {ScanMode::TwoSwitches, QStringLiteral("two")}};
    return names;
}

Field scanMode()
{
    return {QStringLiteral("ScanMode"),
            [](const AccessSettings& s) {
                for (const auto& [mode, name] : scanModeNames())
                    if (mode == s.scanMode)
                        return name;
                return QString();
            },
            [](AccessSettings& s, const QString& text) {
                for (const auto& [mode, name] : scanModeNames())
                    if (name == text) {
                        s.scanMode = mode;
                        return true;
                    }
                return false;
            }};
}

const QList<Field>& fields()
{
    static const QList<Field> table{
        flag("KeyboardAccess", &AccessSettings::keyboardAccess),
        scanMode(),
        milliseconds("ScanInterval", &AccessSettings::scanIntervalMs, AccessSettings::MinScanIntervalMs,
                     AccessSettings::MaxScanIntervalMs),
        key("StepKey", &AccessSettings::stepKey),
        key("ChooseKey", &AccessSettings::chooseKey),
        button("StepButton", &AccessSettings::stepButton),
        button("ChooseButton", &AccessSettings::chooseButton),
        flag("PressGuard", &AccessSettings::pressGuard),
        milliseconds("RepeatWindow", &AccessSettings::repeatWindowMs, 0, AccessSettings::MaxGuardMs),
        milliseconds("HoldTime", &AccessSettings::holdMs, 0, AccessSettings::MaxGuardMs),
        flag("FillScreen", &AccessSettings::fillScreen),
        flag("SpokenCaption", &AccessSettings::spokenCaption),
        language("CaptionLanguage", &AccessSettings::captionLanguage),
    };
    return table;
}

const QList<QPair<Qt::MouseButton, QString>>& buttonNames()
{
    static const QList<QPair<Qt::MouseButton, QString>> names{
        {Qt::NoButton, QStringLiteral("none")},     {Qt::LeftButton, QStringLiteral("left")},
        {Qt::RightButton, QStringLiteral("right")}, {Qt::MiddleButton, QStringLiteral("middle")},
        {Qt::BackButton, QStringLiteral("back")},   {Qt::ForwardButton, QStringLiteral("forward")}};
    return names;
}

} // namespace

QMap<QString, QString> AccessSettings::toMap() const
{
    QMap<QString, QString> values;
    for (const Field& field : fields())
        values.insert(field.key, field.write(*this));
    return values;
}

AccessSettings AccessSettings::fromMap(const QMap<QString, QString>& values)
{
    AccessSettings settings;
    for (const Field& field : fields()) {
        const auto found = values.constFind(field.key);
        if (found != values.constEnd())
            field.read(settings, found->trimmed());
    }
    return settings;
}

QString AccessSettings::problem() const
{
    if (scanMode != ScanMode::TwoSwitches)
        return {};
    if (stepKey == chooseKey)
        return QCoreApplication::translate(
            "AccessSettings", "The step switch and the choose switch send the same key. Give each switch its own key.");
    if (stepButton != Qt::NoButton && stepButton == chooseButton)
        return QCoreApplication::translate("AccessSettings",
                                           "The step switch and the choose switch use the same mouse button. Give each switch "
                                           "its own button, or none.");
    return {};
}

AccessControls usedControls(const AccessSettings& settings)
{
    return {settings.scanMode == ScanMode::OneSwitch, settings.scanMode == ScanMode::TwoSwitches,
            settings.scanMode != ScanMode::Off, settings.pressGuard, settings.spokenCaption};
}

QString keyName(Qt::Key key) { return QKeySequence(key).toString(QKeySequence::PortableText); }

Qt::Key keyFromName(const QString& name)
{
    const QKeySequence sequence = QKeySequence::fromString(name, QKeySequence::PortableText);
    if (sequence.count() != 1 || sequence[0].keyboardModifiers() != Qt::NoModifier)
        return Qt::Key_unknown;
    const Qt::Key key = sequence[0].key();
    // Modifier keys alone cannot be told apart from a modified press of another key.
    if (key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta)
        return Qt::Key_unknown;
    return key;
}

QString buttonName(Qt::MouseButton button)
{
    for (const auto& [value, name] : buttonNames())
        if (value == button)
            return name;
    return QStringLiteral("none");
}

Qt::MouseButton buttonFromName(const QString& name, bool* ok)
{
    for (const auto& [value, text] : buttonNames())
        if (text == name) {
            if (ok)
                *ok = true;
            return value;
        }
    if (ok)
        *ok = false;
    return Qt::NoButton;
}

const QList<Qt::MouseButton>& switchButtons()
{
    static const QList<Qt::MouseButton> buttons = [] {
        QList<Qt::MouseButton> result;
        for (const auto& entry : buttonNames())
            result.append(entry.first);
        return result;
    }();
    return buttons;
}

} // namespace tessarine
