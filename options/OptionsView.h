#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

namespace tessarine {

// The three-state boxes of the options window.
enum class OptionBox { ShowSymbolsDistractor, ShowAttributesDistractor, UseSequence, PlaySounds };
// The two sound lists: `cboSoundOK` and `cboSoundWrong`.
enum class SoundList { Ok, Wrong };

// What the options' procedures read from and write to the options window's controls. A box value
// other than 0, 1 or 2, or a sound name that no entry carries, is an invalid property value
// (RuntimeError 380) and leaves the control as it was.
class IOptionsView {
public:
    virtual ~IOptionsView() = default;

    virtual std::int16_t boxValue(OptionBox box) const = 0;
    virtual void setBoxValue(OptionBox box, std::int16_t value) = 0;

    // "Same category of image" (`Option1`) or "Full random (regardless of category)" (`Option2`).
    virtual bool sameCategorySelected() const = 0;
    virtual void selectSameCategory() = 0;
    virtual void selectFullRandom() = 0;

    virtual void addSound(SoundList list, const QString& name) = 0;
    // -1 for no selection.
    virtual int soundIndex(SoundList list) const = 0;
    virtual void setSoundIndex(SoundList list, int index) = 0;
    virtual QString soundText(SoundList list) const = 0;
    // Selects the entry equal to `name` without regard to letter case, the exact one first.
    virtual void selectSound(SoundList list, const QString& name) = 0;

    // The learner row: the editable list of known learners.
    virtual void setKnownLearners(const QStringList& learners) = 0;
    virtual QString learner() const = 0;
    virtual void setLearner(const QString& learner) = 0;

    // "Pictures": the names of the collections, after which the list offers "Other folder...".
    virtual void setCollections(const QStringList& names) = 0;
    virtual void setCollectionIndex(int index) = 0;
    // The folder the user picks for "Other folder...", or the empty text when they cancel.
    virtual QString chooseOtherFolder() = 0;
    // Empties both sound lists, before they are filled from another collection.
    virtual void clearSounds() = 0;
};

} // namespace tessarine
