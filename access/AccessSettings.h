#pragma once

#include <QMap>
#include <QString>
#include <Qt>

namespace tessarine {

// How a learner answers besides the mouse: keyboard, one or two switches, a guard against
// accidental presses, pictures filling the screen and a spoken caption. Every default keeps the
// exercise as it always was; the settings belong to one learner and travel as a flat key-to-text
// map, so that whichever store keeps the learner's records can keep them too.
enum class ScanMode { Off, OneSwitch, TwoSwitches };

struct AccessSettings {
    static constexpr int MinScanIntervalMs = 500;
    static constexpr int MaxScanIntervalMs = 10000;
    static constexpr int MaxGuardMs = 2000;

    // Arrows and Tab move a focus ring, Space and Enter choose, 1 to 4 choose a picture.
    bool keyboardAccess = true;
    ScanMode scanMode = ScanMode::Off;
    // One switch: the ring steps by itself this often.
    int scanIntervalMs = 2000;
    // The choose switch chooses where the ring is; with two switches the step switch moves it.
    // With keyboard access on, Space and Enter choose as well.
    Qt::Key stepKey = Qt::Key_Space;
    Qt::Key chooseKey = Qt::Key_Return;
    Qt::MouseButton stepButton = Qt::NoButton;
    Qt::MouseButton chooseButton = Qt::NoButton;
    // Presses on the same element within repeatWindowMs count once; with holdMs above zero a press
    // counts only once it has been held that long.
    bool pressGuard = false;
    int repeatWindowMs = 1000;
    int holdMs = 0;
    bool fillScreen = false;
    bool spokenCaption = false;
    // The language the caption is spoken in, as a two-letter code ("it"); empty for the language of
    // the program's windows.
    QString captionLanguage = {};

    bool operator==(const AccessSettings&) const = default;

    QMap<QString, QString> toMap() const;
    // Keys that are missing or hold a value out of range or of the wrong kind keep their default.
    static AccessSettings fromMap(const QMap<QString, QString>& values);

    // In plain words, why these settings cannot be used; empty when they can.
    QString problem() const;
};

// Which settings of the dialog mean something with the others as they are.
struct AccessControls {
    bool scanInterval = false;
    bool stepSwitch = false;
    bool chooseSwitch = false;
    bool guardTimes = false;
    bool captionLanguage = false;
};
AccessControls usedControls(const AccessSettings& settings);

// Key and button names as the settings keep them ("Space", "Return", "1"; "left", "right").
QString keyName(Qt::Key key);
Qt::Key keyFromName(const QString& name);
QString buttonName(Qt::MouseButton button);
Qt::MouseButton buttonFromName(const QString& name, bool* ok = nullptr);
// The mouse buttons a switch interface may send, Qt::NoButton first.
const QList<Qt::MouseButton>& switchButtons();

} // namespace tessarine
