#pragma once

#include "pictures/PictureName.h"

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace tessarine {

// What a teacher is asked while editing pictures: file dialogs and questions by default, stand-ins
// in tests. An empty answer (or nothing) means the teacher cancelled.
class IPicturePrompts {
public:
    struct NewCollection {
        QString name;
        bool copyProgramPictures = false;
    };

    virtual ~IPicturePrompts() = default;
    // "Add pictures...": many files at once.
    virtual QStringList picturesToAdd(QWidget* parent) = 0;
    // "Choose a picture": one file.
    virtual QString pictureToUse(QWidget* parent) = 0;
    // "New collection": its name, empty or a copy of the program's sample pictures.
    virtual std::optional<NewCollection> newCollection(QWidget* parent) = 0;
    // The program's folder cannot be written: make a personal copy under this name instead?
    virtual std::optional<QString> personalCopy(QWidget* parent, const QString& suggestedName) = 0;
    // The new text for an object, category or value (`which` says which), or nothing.
    virtual std::optional<QString> renameTo(QWidget* parent, NamePart which, const QString& current) = 0;
};

// The same over Qt's file dialogs and input dialogs.
class QtPicturePrompts final : public IPicturePrompts {
public:
    QStringList picturesToAdd(QWidget* parent) override;
    QString pictureToUse(QWidget* parent) override;
    std::optional<NewCollection> newCollection(QWidget* parent) override;
    std::optional<QString> personalCopy(QWidget* parent, const QString& suggestedName) override;
    std::optional<QString> renameTo(QWidget* parent, NamePart which, const QString& current) override;
};

} // namespace tessarine
