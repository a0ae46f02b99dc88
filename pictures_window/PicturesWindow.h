#pragma once

#include "collections/Collections.h"

#include <QWidget>

namespace tessarine {

class IMessageBox;
class IMicrophone;
class IPicturePrompts;
class ISoundPlayer;

// The Pictures window: the chosen collection as a list of objects (each object picture with its
// symbol and attribute beside it and the checker's findings in plain words, kept up to date as the
// teacher works), the pictures being added, "New collection" and "Add pictures...".
class PicturesWindow final : public QWidget {
    Q_OBJECT

public:
    PicturesWindow(IMessageBox& messageBox, ISoundPlayer& sound, IMicrophone& microphone, IPicturePrompts& prompts,
                   Collections collections, QString folder, QWidget* parent = nullptr);
    ~PicturesWindow() override;

    QString folder() const;

Q_SIGNALS:
    // The window now shows another collection (a new one, or a personal copy of the program's
    // pictures); the options window's "Pictures" follows it.
    void collectionChanged(const QString& folder);
};

} // namespace tessarine
